// The delivery as the user runs it from the IDE's Tool menu: the confirmation dialog
// "FenetreConfirmation", the copies with their progress bar in the IDE's frame window, the
// folder in the message window's "Delivery" tab, and the mail of the result.
#pragma once

#include <windows.h>

namespace qelvo {

// The dialog's controls.
enum : int { kDeliveryListId = 101, kDeliveryProceedId = 102, kDeliveryMailId = 103 };

// The whole delivery with its dialog (owner: the active window).
void DeliveryRun();
// Makes the delivery tool run DeliveryRun.
void InstallDeliveryRunner();

} // namespace qelvo
