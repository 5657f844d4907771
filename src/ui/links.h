// The addresses the windows open: the product's home page, the relief organisations of the about
// box and the author's mail address.
#pragma once

namespace ql::ui {

inline constexpr const char* kHomePage = "https://quorvalinde.example.org/";
inline constexpr const char* kAuthorMail = "author@quorvalinde.example.org";

struct TOrganisationLink {
  const char* Caption;
  const char* Address;
};

inline constexpr TOrganisationLink kOrganisations[] = {
    {"Doctors Without Borders", "https://www.msf.org/"},
    {"International Committee of the Red Cross", "https://www.icrc.org/"},
    {"UNICEF", "https://www.unicef.org/"},
    {"World Food Programme", "https://www.wfp.org/"},
};

}  // namespace ql::ui
