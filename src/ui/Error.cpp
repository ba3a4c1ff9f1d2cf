#include "ui/Error.h"

#include <windows.h>

namespace ui {

namespace {

ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                            nullptr, nullptr);
    return out;
}

}  // namespace

Error::Error(std::wstring message) : message_(std::move(message)), narrow_(ToUtf8(message_)) {}

std::wstring FormatMessageText(const std::wstring& pattern, const std::wstring& name) {
    std::wstring out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'%' && i + 1 < pattern.size() && pattern[i + 1] == L's') {
            out += name;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const auto& line : lines) text += (text.empty() ? L"" : L"\n") + line;
    return text;
}

ErrorSink SetErrorSink(ErrorSink sink) {
    ErrorSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

void ReportError(const std::wstring& message) {
    if (Sink()) {
        Sink()(message);
        return;
    }
    // The box belongs to the active window of this thread, as an application's error box does.
    MessageBoxW(GetActiveWindow(), message.c_str(), L"Orbin Settings", MB_OK | MB_ICONERROR);
}

}  // namespace ui
