#include "app/wx/wx_art.h"

#include "res/app_icon.h"

#include <wx/image.h>

wxBitmap AppIconBitmap(int size) {
    const std::vector<std::uint32_t> argb = res::DrawAppIcon(size);
    wxImage image(size, size);
    image.InitAlpha();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y) * size + x];
            const auto byte = [p](int shift) { return static_cast<unsigned char>(p >> shift); };
            image.SetRGB(x, y, byte(16), byte(8), byte(0));
            image.SetAlpha(x, y, byte(24));
        }
    }
    return wxBitmap(image);
}

wxIconBundle AppIconBundle() {
    wxIconBundle bundle;
    for (int size : res::kIconSizes) {
        wxIcon icon;
        icon.CopyFromBitmap(AppIconBitmap(size));
        bundle.AddIcon(icon);
    }
    return bundle;
}
