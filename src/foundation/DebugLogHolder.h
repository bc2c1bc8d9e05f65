#pragma once
#include <memory>

namespace tidepost {

struct Foundation;
class DebugLog;

// The one debug log window, created on first use.
class DebugLogHolder {
public:
    explicit DebugLogHolder(const Foundation& f);
    ~DebugLogHolder();
    DebugLogHolder(const DebugLogHolder&) = delete;
    DebugLogHolder& operator=(const DebugLogHolder&) = delete;

    DebugLog& get();
    bool isLoaded() const { return m_form != nullptr; }
    void unload();

private:
    const Foundation& m_f;
    std::unique_ptr<DebugLog> m_form;
};

}  // namespace tidepost
