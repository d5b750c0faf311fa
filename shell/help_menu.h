#pragma once

class QMenuBar;
class QWidget;

namespace tavrin {

// Adds what both main windows carry after their own File menu: the Help
// menu (mnuHelp), the menu-bar command Donate (mnuDonate) and the hidden
// command Make Money Online (mnuMakeMoney), which belongs to the bar but is
// not placed on it. About Software shows the About box modally over `owner`;
// every other item opens its page of the maker's site.
void AddHelpMenus(QMenuBar& bar, QWidget& owner);

}  // namespace tavrin
