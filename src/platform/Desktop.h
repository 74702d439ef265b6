#pragma once
// The desktop services the program asks of its surroundings: message boxes, the advice box with
// its "don't show again" check box, the shell's link handler and the message beep.
//
// The window layer supplies the Qt implementation; plain code and tests use `RecordingDesktop`,
// which answers from preset values and remembers what it was asked.

#include <string>
#include <vector>

namespace quillon {

// A Question box has the buttons "Yes" and "No"; a Confirmation box "OK" and "Cancel".
enum class BoxKind { Information, Warning, Error, Question, Confirmation };

// Line breaks of message texts written as a lone carriage return (or CR LF) become "\n", the one
// line break a message window shows as such.
inline std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return out;
}

class Desktop {
public:
    virtual ~Desktop() = default;
    // A modal message box; for a Question or Confirmation box the answer is true for "Yes"/"OK".
    virtual bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) = 0;
    // The modal advice window; returns true when "&Don't show this message box again" was ticked.
    virtual bool AdviceBox(const std::string& text, int page) = 0;
    // Hands a link (a web page or "mailto:" address) to the default handler; true when accepted.
    virtual bool OpenUrl(const std::string& url) = 0;
    virtual void Beep() = 0;
};

// Records every request; answers with the preset values. Used headless and in tests.
class RecordingDesktop : public Desktop {
public:
    struct Box {
        BoxKind kind;
        std::string caption;
        std::string text;
    };
    std::vector<Box> boxes;
    std::vector<std::string> advice;
    std::vector<std::string> urls;
    int beeps = 0;

    bool questionAnswer = true;
    bool adviceTicked = false;
    bool urlAccepted = true;

    bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override {
        boxes.push_back({kind, caption, text});
        return kind == BoxKind::Question || kind == BoxKind::Confirmation ? questionAnswer : true;
    }
    bool AdviceBox(const std::string& text, int) override {
        advice.push_back(text);
        return adviceTicked;
    }
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return urlAccepted;
    }
    void Beep() override { ++beeps; }
};

} // namespace quillon
