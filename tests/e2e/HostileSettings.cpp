#include "tests/e2e/HostileSettings.h"

#include <utility>

#include "tests/support/PseudoRandomBytes.h"

namespace tal::test_support {

namespace {

constexpr char portal[] = "https://www.wikipedia.org/";

// A section, then ten megabytes of other keys, then the power-off time at the very end.
std::string TenMegabytes() {
    std::string bytes = "[CONFIG]\r\nStartPage=http://big.example/\r\n";
    const std::string filler(60, 'f');
    while (bytes.size() < 10U * 1024 * 1024) {
        bytes += "Filler" + std::to_string(bytes.size()) + "=" + filler + "\r\n";
    }
    return bytes + "TimeToShutdown=07:30\r\n";
}

std::string Utf16LittleEndian(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::string LongUrl(std::size_t length) {
    std::string url = "http://long.example/";
    while (url.size() < length) {
        url += static_cast<char>('a' + url.size() % 26);
    }
    return url;
}

DialogView Dialog(std::optional<std::string> startPage, std::optional<std::string> hour,
                  std::optional<std::string> minute) {
    DialogView view = DefaultDialog();
    view.startPage = std::move(startPage);
    view.hour = std::move(hour);
    view.minute = std::move(minute);
    return view;
}

}  // namespace

DialogView DefaultDialog() {
    return {portal, "18", "00", true, true, true, true};
}

std::vector<HostileSettings> HostileSettingsCorpus() {
    std::vector<HostileSettings> corpus;
    corpus.push_back({"Empty", "", DefaultDialog(), {}});
    corpus.push_back({"GarbageBytes", PseudoRandomBytes(4096, 20261207), DefaultDialog(), {}});
    corpus.push_back(
        {"TenMegabytes", TenMegabytes(), Dialog("http://big.example/", "07", "30"), {}});
    corpus.push_back({"NoSection",
                      "StartPage=http://nosection.example/\r\nTaskBar=off\r\nToolBar=off\r\n",
                      DefaultDialog(),
                      {}});
    // The first of several sections of the same name is the one that counts.
    corpus.push_back({"TwoConfigSections",
                      "[CONFIG]\r\nStartPage=http://first.example/\r\n[CONFIG]\r\n"
                      "StartPage=http://second.example/\r\nTaskBar=off\r\n",
                      Dialog("http://first.example/", "18", "00"),
                      {}});
    corpus.push_back(
        {"RepeatedKey",
         "[CONFIG]\r\nStartPage=http://one.example/\r\nStartPage=http://two.example/\r\n",
         Dialog("http://one.example/", "18", "00"),
         {}});
    {
        HostileSettings file{
            "Utf8Bom",
            "\xEF\xBB\xBF[CONFIG]\r\nStartPage=http://bom8.example/\r\nTaskBar=off\r\n",
            Dialog("http://bom8.example/", "18", "00"),
            {}};
        file.kiosk.taskBarHidden = true;
        corpus.push_back(file);
    }
    {
        HostileSettings file{"Utf16Bom",
                             Utf16LittleEndian("[CONFIG]\r\nStartPage=http://bom16.example/\r\n"
                                               "TimeToShutdown=06:05\r\nToolBar=off\r\n"),
                             Dialog("http://bom16.example/", "06", "05"),
                             {}};
        file.kiosk.toolbarLayout = true;
        corpus.push_back(file);
    }
    {
        HostileSettings file{"LineFeedsOnly",
                             "[CONFIG]\nStartPage=http://lf.example/\nTimeToShutdown=06:05\n"
                             "ContextMenu=off\nInitButton=off\n",
                             Dialog("http://lf.example/", "06", "05"),
                             {}};
        file.dialog.backButton = false;
        file.kiosk.contextMenuPolicy = true;
        corpus.push_back(file);
    }
    corpus.push_back({"LongValue",
                      "[CONFIG]\r\nStartPage=" + LongUrl(100000) + "\r\nTimeToShutdown=23:59\r\n",
                      Dialog(LongUrl(100000), "23", "59"),
                      {}});
    corpus.push_back(
        {"LongLineWithoutEquals",
         "[CONFIG]\r\n" + std::string(100000, 'k') + "\r\nStartPage=http://after.example/\r\n",
         Dialog("http://after.example/", "18", "00"),
         {}});
    {
        // Shift-JIS: "http://例え.jp/ページ", and a flag word in Japanese, which is not "off".
        HostileSettings file{"ShiftJis",
                             "[CONFIG]\r\nStartPage=http://\x97\xe1\x82\xa6.jp/"
                             "\x83\x79\x81\x5b\x83\x57\r\nTaskBar=\x83\x49\x83\x74\r\n",
                             Dialog("http://例え.jp/ページ", "18", "00"),
                             {}};
        file.dialog.taskBar = false;
        corpus.push_back(file);
    }
    // Lead bytes without their trail byte, and a time whose hour and minute cut characters in
    // half: the shown text is the system's, the programs must only survive it.
    corpus.push_back({"InvalidDoubleByte",
                      "[CONFIG]\r\nStartPage=http://dbcs.example/\x81\x7f\x82\r\n"
                      "TimeToShutdown=0\x82\xa0\x82\xa0\x82\r\nInitButton=\x82\r\n",
                      Dialog(std::nullopt, std::nullopt, std::nullopt),
                      {}});
    corpus.back().dialog.backButton = false;
    {
        HostileSettings file{"FloatingPointExtremes",
                             "[CONFIG]\r\nTimeToShutdown=1e308\r\nInitButtonX=1e308\r\n"
                             "InitButtonY=-1e308\r\nTaskBar=1e308\r\n",
                             Dialog(portal, "1e", "08"),
                             {}};
        file.dialog.taskBar = false;
        corpus.push_back(file);
    }
    {
        HostileSettings file{"NegativeZero",
                             "[CONFIG]\r\nWaitToStart=-0\r\nTimeToShutdown=-0\r\nInitButtonX=-0\r\n"
                             "InitButtonY=-0\r\nInitButton=on\r\n",
                             Dialog(portal, "-0", ""),
                             {}};
        corpus.push_back(file);
    }
    {
        HostileSettings file{"NotANumber",
                             "[CONFIG]\r\nWaitToStart=nan\r\nTimeToShutdown=nan\r\n"
                             "InitButtonX=nan\r\nInitButtonY=inf\r\nContextMenu=nan\r\n",
                             Dialog(portal, "na", ""),
                             {}};
        file.dialog.contextMenu = false;
        corpus.push_back(file);
    }
    // A hexadecimal wait is its leading decimal number, 0: no sixteen-second wait.
    corpus.push_back({"HexadecimalNumbers",
                      "[CONFIG]\r\nWaitToStart=0x10\r\nTimeToShutdown=0x10\r\nInitButtonX=0x10\r\n",
                      Dialog(portal, "0x", "0"),
                      {}});
    // Blanks around a value are not part of it: these values are present and empty.
    {
        HostileSettings file{
            "BlankValues",
            "[CONFIG]\r\nStartPage=   \r\nTimeToShutdown= \t \r\nWaitToStart=  \r\n"
            "TaskBar=  \r\nInitButton= \r\n",
            Dialog("", "", ""),
            {}};
        file.dialog.taskBar = false;
        file.dialog.backButton = false;
        corpus.push_back(file);
    }
    corpus.push_back({"HugeButtonPositions",
                      "[CONFIG]\r\nInitButton=on\r\nInitButtonX=99999999999999999999999999\r\n"
                      "InitButtonY=-99999999999999999999999999\r\n",
                      DefaultDialog(),
                      {}});
    corpus.push_back({"NegativeWait", "[CONFIG]\r\nWaitToStart=-5\r\n", DefaultDialog(), {}});
    {
        // About 24.8 days once clamped: the lockdown before the wait is done, the window waits.
        HostileSettings file{
            "HugeWait", "[CONFIG]\r\nWaitToStart=1e308\r\nTaskBar=off\r\n", DefaultDialog(), {}};
        file.kiosk.windowAppears = false;
        file.kiosk.taskBarHidden = true;
        corpus.push_back(file);
    }
    {
        HostileSettings file{"WaitLargerThanTheClock",
                             "[CONFIG]\r\nWaitToStart=99999999999\r\nTaskBarHide=ON\r\n",
                             DefaultDialog(),
                             {}};
        file.kiosk.windowAppears = false;
        file.kiosk.taskBarHidden = true;
        corpus.push_back(file);
    }
    corpus.push_back(
        {"NulInsideAValue",
         std::string("[CONFIG]\r\nTimeToShutdown=07:30\r\nStartPage=http://nul.example/"
                     "\0hidden\r\n",
                     70),
         Dialog(std::nullopt, "07", "30"),
         {}});
    corpus.push_back({"UnclosedSectionHeader",
                      "[CONFIG\r\nStartPage=http://unclosed.example/\r\n",
                      Dialog(std::nullopt, std::nullopt, std::nullopt),
                      {}});
    return corpus;
}

}  // namespace tal::test_support
