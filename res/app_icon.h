// The application icon, drawn in code so that every size and every
// frontend comes from one picture.
#ifndef VELMORA_RES_APP_ICON_H
#define VELMORA_RES_APP_ICON_H

#include <cstdint>
#include <vector>

namespace res {

// Sizes the icon resource carries, largest first.
inline constexpr int kIconSizes[] = {48, 32, 16};

// size*size pixels, row by row from the top, each 0xAARRGGBB.
std::vector<std::uint32_t> DrawAppIcon(int size);

}  // namespace res

#endif
