#pragma once

class QMenuBar;
class QWidget;

namespace tavrin {

// Adds what both main windows carry after their own File menu: the Help
// menu (mnuHelp) and the menu-bar commands Donate (mnuDonate) and Make Money
// Online (mnuMakeMoney). About Software shows the About box modally over
// `owner`; every other item opens its page of the maker's site.
void AddHelpMenus(QMenuBar& bar, QWidget& owner);

}  // namespace tavrin
