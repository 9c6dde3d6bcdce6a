// Mnemonics of a tool window inside the main window.
//
// A palette is an MDI child, so its captions' Alt+letter keys live in the same
// top-level window as the main menu's and would clash with them ("&A" of a
// palette and "HTML補助(&A)"). While the keyboard focus is inside a scope
// installed here, an Alt+letter that one of the scope's own controls claims
// goes to that control: a label gives the focus to its buddy, a check box or
// radio button is clicked, a push button pressed.
#pragma once

class QWidget;

namespace larkspur {

void InstallLocalMnemonics(QWidget* scope);

} // namespace larkspur
