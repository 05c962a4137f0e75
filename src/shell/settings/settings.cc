#include "shell/settings/settings.h"

namespace brilox {

Settings::Settings() {
  MyCallAgw = MyCall + std::string(1, '\0');
  MyCallCaption = MyCall + ":";
  for (int i = 0; i < 16; ++i) {
    CustomColor[static_cast<std::size_t>(i)] = std::string("Color") + static_cast<char>('A' + i) + "=FFFFFFFF";
  }
}

}  // namespace brilox
