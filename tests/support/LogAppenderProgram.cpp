// A second writer of TAL.log for the log suite: appends `count` lines through the event log of its
// own folder, as one of the programs would. Arguments: the program name, the count.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/EventLog.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32LogStorage.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::wstring wideName = argv[1];
    const std::string program(wideName.begin(), wideName.end());
    const long count = std::wcstol(argv[2], nullptr, 10);
    tal::win32::Win32LogStorage storage;
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(storage, calendar, program);
    for (long n = 0; n < count; ++n) {
        log.write("line", {{"n", n}, {"text", "the same length for every line"}});
    }
    return log.flush(tal::EventLog::endWaitMilliseconds) && log.dropped() == 0 ? 0 : 1;
}
