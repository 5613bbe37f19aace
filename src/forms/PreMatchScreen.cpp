#include "forms/PreMatchScreen.h"

#include "forms/Look.h"
#include "forms/frmMenu.h"
#include "modules/Manual.h"

namespace stumpcraft {

void LayOutHintPanel(PictureBox& panel, CommandButton& help, int width, int height)
{
    panel.Move(0, 0, width, height);
    panel.BackColor = look::kPitch;
    help.SetContainer(panel);
    help.Move(10, height - 40, width - 20, 28);
    help.Caption = "Click here for &Help";
}

void PlaceHint(Label& hint, PictureBox& panel, int top, int height, const char* text)
{
    hint.SetContainer(panel);
    hint.Move(10, top, panel.Width - 20, height);
    hint.Caption = text;
    hint.WordWrap = true;
    hint.TextAlign = Alignment::Right;
    hint.ForeColor = look::kPanelText;
    hint.FontBold = true;
}

void PreMatchScreen::cmdExit_Click() { LeaveGame(*this); }

void PreMatchScreen::cmdHelp_Click() { ShowManual(*this); }

// The program's own unload (on to the next screen) is not the end of the game.
void PreMatchScreen::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    (void)cancel;
    if (mode != UnloadMode::FormCode)
        LeaveGame(*this);
}

} // namespace stumpcraft
