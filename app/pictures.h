#pragma once
#include <cstddef>
#include <span>

// The JPEG files of assets/, compiled in as constant byte arrays.
extern const unsigned char asset_help_picture_1_jpg[];
extern const std::size_t asset_help_picture_1_jpg_size;
extern const unsigned char asset_help_picture_2_jpg[];
extern const std::size_t asset_help_picture_2_jpg_size;
extern const unsigned char asset_program_icon_jpg[];
extern const std::size_t asset_program_icon_jpg_size;

namespace vidmora {

// 100 x 100, shown in HelpWindow's 图片框1.
inline std::span<const unsigned char> FirstHelpPicture() {
  return {asset_help_picture_1_jpg, asset_help_picture_1_jpg_size};
}
// 180 x 100, shown in HelpWindow's 图片框2.
inline std::span<const unsigned char> SecondHelpPicture() {
  return {asset_help_picture_2_jpg, asset_help_picture_2_jpg_size};
}
inline std::span<const unsigned char> ProgramIcon() { return {asset_program_icon_jpg, asset_program_icon_jpg_size}; }

}  // namespace vidmora
