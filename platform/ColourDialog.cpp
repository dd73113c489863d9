#include "platform/ColourDialog.h"

#include <QColorDialog>

namespace {

ScriptedColourDialog* g_scripted = nullptr;

QColor ToQColor(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& colour)
{
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) |
           (uint32_t(colour.blue()) << 16);
}

}  // namespace

bool ChooseColour(uint32_t& colour, QWidget* owner)
{
    if (g_scripted)
        return g_scripted->Respond(colour);
    const QColor chosen = QColorDialog::getColor(ToQColor(colour), owner);
    if (!chosen.isValid())
        return false;
    colour = FromQColor(chosen);
    return true;
}

ScriptedColourDialog::ScriptedColourDialog() : previous_(g_scripted) { g_scripted = this; }

ScriptedColourDialog::~ScriptedColourDialog() { g_scripted = previous_; }

ScriptedColourDialog* ScriptedColourDialog::Active() { return g_scripted; }

bool ScriptedColourDialog::Respond(uint32_t& colour)
{
    starts_.push_back(colour);
    if (answers_.empty() || !answers_.front()) {
        if (!answers_.empty())
            answers_.pop_front();
        return false;
    }
    colour = *answers_.front();
    answers_.pop_front();
    return true;
}
