#pragma once
// The one way a numbered text is loaded and the one way a numbered message
// reaches the user.
#include <cstdint>
#include <string>

#include "messages/text_ids.h"
#include "platform/types.h"

namespace spwrap {

// The name of the product being handled, shown by the messages that name one.
// Set at the start of each product's turn and never cleared.
extern std::u16string currentProductName;

// Replaces text by string id in the thread locale's language, cut to
// capacity - 1 characters. Returns the characters loaded; 0, with text empty,
// when the id has no text.
int LoadText(platform::ModuleHandle module, std::uint32_t id, std::u16string& text, int capacity);

// Shows message id in a modal box, in the thread locale's language, with its
// caption, icon and argument (the thread's last-error code at entry for
// IDS_ERR_INSTALL_FAILED, currentProductName for the messages that name a
// product). Returns at once, showing nothing, when the run is quiet.
void ReportMessage(std::uint32_t id);

}  // namespace spwrap
