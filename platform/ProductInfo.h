#pragma once

// Fixed facts about the product and its maker, shared by every window.
namespace ProductInfo {

inline constexpr char kTitle[] = "Tallowmere";
inline constexpr char kVersion[] = "1.3.00";
inline constexpr char kBuildDate[] = "October 31, 2001";
inline constexpr char kMainCaption[] = "Tallowmere, 1.3.00";
inline constexpr char kMaker[] = "Brindlecrest Software";
inline constexpr char kMakerLegal[] = "Brindlecrest Software, LLC";
inline constexpr char kCopyright[] = "Copyright \u00a9 2001 Brindlecrest Software, LLC";

// Settings store of per-user state (QSettings).
inline constexpr char kSettingsOrganisation[] = "Brindlecrest";
inline constexpr char kSettingsApplication[] = "Tallowmere";

// The maker's addresses (a reserved host name: no link reaches a real site).
inline constexpr char kWebHome[] = "http://www.brindlecrest.example/";
inline constexpr char kWebHomeCaption[] = "www.brindlecrest.example";
inline constexpr char kWebFreeware[] = "http://www.brindlecrest.example/freeware.htm";
inline constexpr char kWebSuggest[] = "http://www.brindlecrest.example/suggest.htm";
inline constexpr char kCalcSiteName[] = "Brindlecrest Calculator Corner";
inline constexpr char kCalcSite[] = "http://calculators.brindlecrest.example/";
inline constexpr char kEmailSuggest[] = "mailto:suggestions@brindlecrest.example";
inline constexpr char kSupportAddress[] = "support@brindlecrest.example";
inline constexpr char kEmailSupport[] = "mailto:support@brindlecrest.example";

struct Product {
    const char* name;
    const char* address;
};
inline constexpr Product kOtherProducts[4] = {
    {"Corbelwick Loan Planner", "http://www.brindlecrest.example/corbelwick.htm"},
    {"Ashgrove Mortgage Analyst", "http://www.brindlecrest.example/ashgrove.htm"},
    {"Pellham Retirement Planner", "http://www.brindlecrest.example/pellham.htm"},
    {"Stoneleigh Budget Keeper", "http://www.brindlecrest.example/stoneleigh.htm"},
};

} // namespace ProductInfo
