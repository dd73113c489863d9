// Message boxes: every message the user sees goes through MessageBox(), so that tests can answer
// the questions and record each text and caption (ScriptedMessages). Without a widget
// application (a headless command) the text goes to standard error and the default button is
// the answer.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// Buttons (low nibble) and icons, combined with |.
enum MessageBoxStyle : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};

// The button the user chose.
enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

struct ShownMessage {
    std::string text;     // UTF-8
    std::string caption;  // UTF-8; empty shows the application name
    unsigned style = MB_OK;
};

// Shows a modal message box and returns the chosen button. `owner` may be null (a box without
// owner).
int MessageBox(const std::string& text, const std::string& caption = {}, unsigned style = MB_OK,
               QWidget* owner = nullptr);

// The answer a box gives when nobody chooses: the first button of its set.
int DefaultAnswer(unsigned style);

// Replaces the real dialog for as long as it lives: records every message and answers with the
// prepared answers in order, then with the default button. One at a time.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    std::vector<std::string> Texts() const;
    bool WasShown(const std::string& text) const;
    void Clear() { shown_.clear(); }

private:
    friend int MessageBox(const std::string&, const std::string&, unsigned, QWidget*);
    int Respond(const ShownMessage& message);

    std::vector<ShownMessage> shown_;
    std::deque<int> answers_;
    ScriptedMessages* previous_ = nullptr;
};
