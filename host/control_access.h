#pragma once
// What the main window's handlers use to work on its controls, all addressed
// by the control's name (UTF-8, e.g. "地框1"):
//
//   readText(name) / writeText(name, text)   host/control_text.h
//       writeText raises the control's text-changed handler before it returns
//   readTickState(name)                       host/tick_state.h   1 when ticked
//   readColour(name)                          host/colour_picker.h  0x00BBGGRR
//   writePicture(name, bytes)                 host/picture_box.h  empty bytes clear
//   mainWindowHandle() / controlHandle(name)  host/control_registry.h
//   showMessage(text)                         host/message_box.h
//   browseForFolder(owner, title)             host/folder_dialog.h
//   textToNumber, numberToText                host/number_text.h
//   randomWholeNumber(low, high)              host/random_number.h
#include "host/colour_picker.h"
#include "host/control_registry.h"
#include "host/control_text.h"
#include "host/folder_dialog.h"
#include "host/message_box.h"
#include "host/number_text.h"
#include "host/picture_box.h"
#include "host/random_number.h"
#include "host/tick_state.h"
