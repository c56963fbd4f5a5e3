#include "platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "form.h"  // TwipsToPixels
#include "numtext.h"
#include "text_chars.h"

namespace brel {

ScreenTwips ScreenTwipsFromPixels(int widthPx, int heightPx, double dpiX, double dpiY) {
  if (dpiX <= 0) dpiX = 96;
  if (dpiY <= 0) dpiY = 96;
  return ScreenTwips{widthPx * 1440.0 / dpiX, heightPx * 1440.0 / dpiY, dpiX, dpiY};
}

ScreenTwips ScreenTwipsOf(const QScreen& screen) {
  const QSize size = screen.geometry().size();
  return ScreenTwipsFromPixels(size.width(), size.height(), screen.logicalDotsPerInchX(),
                               screen.logicalDotsPerInchY());
}

bool PlatformHasWindowManager(const QString& platformName) {
  for (const char* bare : {"offscreen", "minimal", "minimalegl", "linuxfb", "eglfs", "vnc", "vkkhrdisplay"})
    if (platformName == QLatin1String(bare)) return false;
  return true;
}

Desktop DesktopOf(const QScreen& screen) {
  return Desktop{PlatformHasWindowManager(QGuiApplication::platformName()), screen.availableGeometry()};
}

MainWindowPlacement PlaceMainWindow(const ScreenTwips& screen, const Desktop& desktop) {
  const QRect whole(0, 0, TwipsToPixels(screen.width, screen.dpiX), TwipsToPixels(screen.height, screen.dpiY));
  if (!desktop.windowManager) return MainWindowPlacement{whole, false};
  return MainWindowPlacement{desktop.available.isEmpty() ? whole : desktop.available, true};
}

void UseFontForChinese(QApplication& app) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Droid Sans Fallback"}) {
    if (installed.contains(QString::fromUtf8(family))) {
      QFont font = app.font();
      font.setFamily(QString::fromUtf8(family));
      app.setFont(font);
      return;
    }
  }
}

bool GetKeyValue(const RegistryReader& registry, RegistryRoot root, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
  const std::optional<RegistryValue> value = registry.read(root, keyName, subKeyRef);
  if (!value) {
    keyVal.clear();
    return false;
  }
  constexpr std::size_t kBufferSize = 1024;
  std::string data = value->data.substr(0, kBufferSize);
  if (!data.empty() && data.back() == '\0') data.pop_back();

  if (value->type == kRegSz) {
    keyVal = data;
  } else if (value->type == kRegDword) {
    // Last byte first; every byte with both of its hex digits, so that a
    // byte below 0x10 does not shift the ones after it.
    std::string hex = "&h";
    for (auto it = data.rbegin(); it != data.rend(); ++it) hex += HexByteText(static_cast<unsigned char>(*it));
    keyVal = NumberToTrimmedText(TextToNumber(hex));
  }
  return true;
}

SysInfoPlatform DesktopSysInfoPlatform() {
  SysInfoPlatform platform;
  platform.fileExists = [](const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
  };
  platform.startProgram = [](const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
  };
  return platform;
}

}  // namespace brel
