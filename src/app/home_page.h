// The one place the product's home page address is written.
#pragma once

namespace plotwise {

inline constexpr char kHomePageUrl[] = "https://plotwise.org/";

}  // namespace plotwise
