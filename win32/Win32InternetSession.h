#pragma once

#include "platform/InternetSession.h"

namespace tal::win32 {

class Win32InternetSession : public platform::InternetSession {
public:
    bool endBrowserSession() override;
    bool suppressCookiePersistence() override;
    std::vector<std::string> findUrlCacheEntries(const std::optional<std::string>& filter) override;
    bool deleteUrlCacheEntry(const std::string& name) override;
};

}  // namespace tal::win32
