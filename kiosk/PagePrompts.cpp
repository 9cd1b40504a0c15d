#include "kiosk/PagePrompts.h"

#include "kiosk/PageRules.h"

namespace tal {

CommandAnswer PagePrompts::command(std::uint32_t id) const {
    namespace command = host_command;
    switch (id) {
        case command::showPrint:
            return rules_ != nullptr && rules_->allowsPrinting() ? CommandAnswer::printSilently
                                                                 : CommandAnswer::refuse;
        case command::showPageSetup:
        case command::pageSetup:
        case command::printPreview:
        case command::printPreview2:
        case command::showFind:
            return CommandAnswer::refuse;
        case command::showScriptError:
            return CommandAnswer::continueScripts;
        default:
            return CommandAnswer::notSupported;
    }
}

bool PagePrompts::allowsNewWindow(std::uint32_t flags) const {
    if ((flags & newWindowHtmlDialog) != 0) {
        return false;
    }
    return rules_ == nullptr || rules_->opensNewWindowsInPlace();
}

bool PagePrompts::securityProblem(std::uint32_t problem) {
    if (problem == redirectToHttps) {
        return true;
    }
    log_.write("certificate-refused", {{"problem", problem}});
    return false;
}

void PagePrompts::credentialsRequested() {
    log_.write("credentials-refused");
}

std::optional<std::uint32_t> PagePrompts::openBox(std::uint32_t requested) {
    if (boxOpen_) {
        return std::nullopt;
    }
    boxOpen_ = true;
    const std::uint32_t buttons = requested & page_box::buttonsMask;
    return (buttons <= page_box::cancelTryContinue ? buttons : page_box::okOnly) |
           (requested & (page_box::iconMask | page_box::defaultButtonMask));
}

int PagePrompts::declinedAnswer(std::uint32_t style) {
    switch (style & page_box::buttonsMask) {
        case page_box::okCancel:
        case page_box::yesNoCancel:
        case page_box::retryCancel:
        case page_box::cancelTryContinue:
            return page_box::cancel;
        case page_box::abortRetryIgnore:
            return page_box::abort;
        case page_box::yesNo:
            return page_box::no;
        default:
            return page_box::ok;
    }
}

}  // namespace tal
