#pragma once

class QDialog;

// Runs `dialog` until it closes, modal to the windows under it only (its parent, and theirs):
// they wait for it, while the help window, which belongs to none of them, stays usable beside
// it. A dialog without a parent blocks the whole program, as there is nothing else to tie it to.
int RunModal(QDialog& dialog);
