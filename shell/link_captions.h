#pragma once

#include <string>

// Captions of the link labels on the entry form, the chart window, the
// report window and the About box. A caption keeps "&&" where the label
// shows a single "&"; LinkLabel turns it into one.
namespace tavrin {

// lblCobrand of the three windows' advertising frames.
inline constexpr const char* kCobrandCaption =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &&  link here. See \"Help\" for details.    "
    "Click Here for more info on co-branding.";

// lblFullBrand of the three windows' advertising frames.
inline constexpr const char* kFullBrandCaption =
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.";

// Label14 of the chart window and of the report window.
inline constexpr const char* kForumCaption = "The Most Popular Online Orlith Discussion Forum";

// The About box's green link to the fully branded offer (its lblCobrand).
inline constexpr const char* kAboutDetailsCaption = "Click here for more details";

// The maker's address as the captions show it.
std::string ShownMakerAddress();

// Label14 of the entry form: the forum line, the invitation and the address.
std::string EntryForumCaption();

// Label3 of the chart window and Label1 of the report window.
std::string VisitNowCaption();

// The About box's lblHomePage.
std::string AboutHomePageCaption();

}  // namespace tavrin
