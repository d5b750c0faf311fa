#include "shell/link_captions.h"

#include "build_settings.h"

namespace tavrin {

// A space keeps the address apart from the word before it.
std::string ShownMakerAddress() { return std::string(" ") + kMakerAddress; }

std::string EntryForumCaption() {
  return "The Most Popular Online Orlith Discussion Forum. Click Here To Visit" + ShownMakerAddress() + " Now.";
}

std::string VisitNowCaption() { return "Click Here To Visit" + ShownMakerAddress() + " Now"; }

std::string AboutHomePageCaption() { return "Click here to visit" + ShownMakerAddress(); }

}  // namespace tavrin
