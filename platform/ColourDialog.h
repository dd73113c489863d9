// The colour dialog: every colour the user picks in it goes through ChooseColour(), so that tests
// can answer it (ScriptedColourDialog). Colours are 0x00BBGGRR values, red in the lowest byte.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

// Shows the colour dialog starting at `colour`. On OK stores the chosen colour in `colour` and
// returns true; on cancel leaves it unchanged and returns false.
bool ChooseColour(uint32_t& colour, QWidget* owner = nullptr);

// Replaces the real dialog for as long as it lives: records the starting colour of every call
// and answers with the prepared colours in order, then with cancel.
class ScriptedColourDialog {
public:
    ScriptedColourDialog();
    ~ScriptedColourDialog();
    ScriptedColourDialog(const ScriptedColourDialog&) = delete;
    ScriptedColourDialog& operator=(const ScriptedColourDialog&) = delete;

    void Answer(uint32_t colour) { answers_.push_back(colour); }
    void Cancel() { answers_.push_back(std::nullopt); }
    const std::vector<uint32_t>& StartingColours() const { return starts_; }

    // Used by ChooseColour.
    static ScriptedColourDialog* Active();
    bool Respond(uint32_t& colour);

private:
    std::vector<uint32_t> starts_;
    std::deque<std::optional<uint32_t>> answers_;
    ScriptedColourDialog* previous_ = nullptr;
};
