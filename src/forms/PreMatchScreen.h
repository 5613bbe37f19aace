#pragma once

#include "platform/Form.h"

namespace stumpcraft {

// What the screens between the main menu and the match (the toss, the team sheet, the
// one-innings setup) share: "E&xit" and the close box close the screen and the menu and end
// the game, and the help button opens the manual.
class PreMatchScreen : public Form {
public:
    using Form::Form;

    void cmdExit_Click();
    void cmdHelp_Click();

protected:
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
};

// The pitch-green panel down the left edge of the menu and the screens before the match: the
// hints beside the frames they speak of, and the help button at its foot.
void LayOutHintPanel(PictureBox& panel, CommandButton& help, int width, int height);
void PlaceHint(Label& hint, PictureBox& panel, int top, int height, const char* text);

} // namespace stumpcraft
