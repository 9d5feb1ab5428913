#pragma once
#include <string_view>

namespace vidmora {

// The publisher's announcement page, opened at every start. The double slash after the host is
// part of the page's path on that server.
inline constexpr std::string_view kAnnouncementPage = "http://www.example.com//gonggao/taoke.html";

// The shopping site's affiliate page behind both help pictures: account, then event number.
inline constexpr std::string_view kAffiliatePage =
    "http://www.example.org/go/chn/tbk_channel/channelcode.php?pid=mm_10011550_0_0&eventid=101329";

}  // namespace vidmora
