#pragma once
#include <QString>
#include <exception>

#include "foundation/RuntimeError.h"

namespace tidepost {

struct Foundation;

// Writes "(procedure) Error 'number': description." to the error log; never fails.
void LogTickFailure(Foundation& f, const char* procedure, int number, const QString& description) noexcept;

// Runs one step of a timer tick or event handler so that no failure leaves it: Qt cannot carry an
// exception out of a slot, and the next tick must find the program as usable as before. A failure
// is logged under the handler's name and forgotten.
template <typename Step>
void RunGuarded(Foundation& f, const char* procedure, Step&& step) noexcept {
    constexpr int kInternalError = 51;
    try {
        step();
    } catch (const RuntimeError& e) {
        LogTickFailure(f, procedure, e.Number, e.Description);
    } catch (const std::exception& e) {
        LogTickFailure(f, procedure, kInternalError, QString::fromUtf8(e.what()));
    } catch (...) {
        LogTickFailure(f, procedure, kInternalError, QStringLiteral("Internal error"));
    }
}

}  // namespace tidepost
