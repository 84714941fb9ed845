#pragma once

class QWidget;

// Return and Enter click the push button that has the focus, anywhere in
// `window`, as Space does: the keys a user of the platform the program was
// designed for presses on a button. Keys a control takes for itself (Return
// in a text box, a dialog's default button) are left to it.
void ClickButtonsOnReturn(QWidget* window);
