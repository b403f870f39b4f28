#include "messages/report.h"

#include "app/run_state.h"
#include "platform/resources.h"
#include "platform/thread_state.h"
#include "platform/user_interface.h"
#include "platform/wide_format.h"

namespace spwrap {

std::u16string currentProductName;

namespace {

// Every caller loads with room for 255 characters and the terminator.
constexpr int kTextCapacity = 256;
// Room the composed text has beyond its template: any error code and a
// product name of up to 513 characters.
constexpr std::size_t kCompositionRoom = 512;

enum class Argument { kNone, kErrorCode, kProductName };

struct MessageStyle {
  std::uint32_t id;
  Argument argument;
  std::uint32_t captionId;
  std::uint32_t style;
};

constexpr std::uint32_t kErrorStyle =
    platform::MB_OK | platform::MB_ICONERROR | platform::MB_SETFOREGROUND | platform::MB_TOPMOST;
constexpr std::uint32_t kInformationStyle =
    platform::MB_OK | platform::MB_ICONINFORMATION | platform::MB_SETFOREGROUND | platform::MB_TOPMOST;
// Ids outside the table keep the caption "Error" and have no icon.
constexpr std::uint32_t kOtherStyle = platform::MB_OK | platform::MB_SETFOREGROUND | platform::MB_TOPMOST;

// Up to date is no failure but carries the error icon, with its own caption.
constexpr MessageStyle kMessageStyles[] = {
    {IDS_ERR_INSTALL_FAILED, Argument::kErrorCode, IDS_CAPTION_ERROR, kErrorStyle},
    {IDS_INSTALL_SUCCEEDED, Argument::kProductName, IDS_CAPTION_SUCCESS, kInformationStyle},
    {IDS_UP_TO_DATE, Argument::kProductName, IDS_CAPTION_UNNECESSARY, kErrorStyle},
    {IDS_ERR_PRODUCT_NOT_FOUND, Argument::kNone, IDS_CAPTION_ERROR, kErrorStyle},
    {IDS_ERR_WRONG_VERSION, Argument::kProductName, IDS_CAPTION_ERROR, kErrorStyle},
    {IDS_ERR_BAD_COMMAND_LINE, Argument::kNone, IDS_CAPTION_ERROR, kErrorStyle},
    {IDS_ERR_NO_PATCH_LIST, Argument::kNone, IDS_CAPTION_ERROR, kErrorStyle},
};

const MessageStyle* StyleOf(std::uint32_t id) {
  for (const auto& entry : kMessageStyles) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace

int LoadText(platform::ModuleHandle module, std::uint32_t id, std::u16string& text, int capacity) {
  std::u16string buffer(capacity > 0 ? static_cast<std::size_t>(capacity) : 1, u'\0');
  const int count = platform::LoadStringW(module, id, buffer.data(), capacity);
  buffer.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
  text = std::move(buffer);
  return count;
}

void ReportMessage(std::uint32_t id) {
  if (runOptions.quiet) return;
  // Read first: any later platform call may change it.
  const std::uint32_t errorCode = platform::GetLastError();

  std::u16string caption = u"Error";
  std::u16string templateText;
  LoadText(moduleHandle, id, templateText, kTextCapacity);

  // An id outside the table is shown as loaded.
  std::u16string text = templateText;
  std::uint32_t style = kOtherStyle;
  if (const MessageStyle* known = StyleOf(id)) {
    const std::size_t capacity = templateText.size() + kCompositionRoom;
    switch (known->argument) {
      case Argument::kErrorCode:
        text = platform::FormatWideText(capacity, templateText, {errorCode});
        break;
      case Argument::kProductName:
        text = platform::FormatWideText(capacity, templateText, {currentProductName});
        break;
      case Argument::kNone:
        text = platform::FormatWideText(capacity, templateText, {});
        break;
    }
    LoadText(moduleHandle, known->captionId, caption, kTextCapacity);
    style = known->style;
  }
  platform::MessageBoxW(nullptr, text.c_str(), caption.c_str(), style);
}

}  // namespace spwrap
