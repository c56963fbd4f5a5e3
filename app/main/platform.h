// What the main window needs of the desktop beyond Qt's widgets: the screen
// size in twips (1/1440 inch, the unit every layout rule is given in), a
// read-only view of the system registry, and starting another program.
#pragma once

#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QApplication;
class QString;
class QScreen;
class QWidget;

namespace brel {

struct ScreenTwips {
  double width = 0;   // twips
  double height = 0;  // twips
  double dpiX = 96;   // logical dots per inch, to turn twips back into pixels
  double dpiY = 96;
};

// Pixels times 1440 over the logical DPI.
ScreenTwips ScreenTwipsFromPixels(int widthPx, int heightPx, double dpiX, double dpiY);
ScreenTwips ScreenTwipsOf(const QScreen& screen);

// Twips to pixels: TwipsToPixels and Form::twipsX/Y (form.h).

// The desktop the main window is shown on.
struct Desktop {
  // A window manager frames the window and may keep panels of its own on
  // the screen; without one the window is the whole screen, frameless.
  bool windowManager = false;
  QRect available;  // pixels: the screen less those panels; empty: unknown
};

// Whether windows on this Qt platform get a window manager around them.
// Framebuffer, virtual and offscreen platforms have none.  An X display
// counts as having one: without it the maximise request goes unanswered
// and the available area is the whole screen, which is what the window
// then keeps.
bool PlatformHasWindowManager(const QString& platformName);
Desktop DesktopOf(const QScreen& screen);

// Where the main window goes: with a window manager, maximised, so that
// it fills the available area frame included and its status bar shows;
// without one, the whole screen at its top left corner.
struct MainWindowPlacement {
  QRect geometry;  // the window's size, and where its frame goes; maximised,
                   // what it keeps for when it is restored
  bool maximised = false;
};
MainWindowPlacement PlaceMainWindow(const ScreenTwips& screen, const Desktop& desktop);

// Chinese captions need a font that holds the characters; the first one of
// a few known families that is installed becomes the program's font, for
// both languages.
void UseFontForChinese(QApplication& app);

// --- registry -----------------------------------------------------------

enum class RegistryRoot : std::uint32_t { LocalMachine = 0x80000002u };

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

struct RegistryValue {
  std::uint32_t type = 0;
  std::string data;  // the value's bytes as stored
};

// Read-only access.  A value that is absent, or a key that cannot be opened,
// gives no value.
class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  virtual std::optional<RegistryValue> read(RegistryRoot root, const std::string& keyName,
                                            const std::string& valueName) const = 0;
};

// This desktop has no system registry: every key is missing.
class NoRegistry : public RegistryReader {
 public:
  std::optional<RegistryValue> read(RegistryRoot, const std::string&, const std::string&) const override {
    return std::nullopt;
  }
};

// One value as text: a string value as stored (a closing zero dropped), a
// 32-bit value as its decimal number; any other type leaves `keyVal` as it
// was.  False, with `keyVal` emptied, when the value cannot be read.
bool GetKeyValue(const RegistryReader& registry, RegistryRoot root, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// What the About box's system-information button needs.
struct SysInfoPlatform {
  std::shared_ptr<const RegistryReader> registry = std::make_shared<NoRegistry>();
  std::function<bool(const std::string& path)> fileExists;
  // Starts a program as a separate process and returns at once; false when
  // it could not be started.
  std::function<bool(const std::string& path)> startProgram;
};

// The desktop's own: no registry, file checks and process start through Qt.
SysInfoPlatform DesktopSysInfoPlatform();

}  // namespace brel
