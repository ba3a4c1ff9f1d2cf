#pragma once
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// The one error type of the program: a message for the user, shown in the error box where events are
// dispatched ("Invalid data type for 'ra'"). The interrupted operation stops; the program goes on.
class Error : public std::exception {
public:
    explicit Error(std::wstring message);
    const std::wstring& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return narrow_.c_str(); }

private:
    std::wstring message_;
    std::string narrow_;
};

// Replaces every "%s" in a message pattern with the value name: Format(L"Failed to get data for '%s'", L"ra").
std::wstring FormatMessageText(const std::wstring& pattern, const std::wstring& name);

// Several messages for one error box, one to a line.
std::wstring JoinLines(const std::vector<std::wstring>& lines);

// Where the messages of failed operations go: the error box, or a test's sink where one is installed.
using ErrorSink = std::function<void(const std::wstring& message)>;
ErrorSink SetErrorSink(ErrorSink sink);  // returns the previous sink; an empty sink restores the box
void ReportError(const std::wstring& message);

// Runs an event handler; anything it throws is reported and goes no further, never into user32.
template <class F>
void Guarded(F&& handler) noexcept {
    try {
        handler();
    } catch (const Error& e) {
        ReportError(e.Message());
    } catch (const std::exception& e) {
        std::string text = e.what();
        ReportError(std::wstring(text.begin(), text.end()));
    } catch (...) {
        ReportError(L"Unexpected error.");
    }
}

}  // namespace ui
