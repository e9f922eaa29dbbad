#pragma once
// Writing a composed picture to its file, and telling the user honestly
// whether that happened.
#include <windows.h>

#include <string>
#include <string_view>

#include "join/composed_picture.h"

namespace pixmora {

struct SaveOutcome {
    bool written = false;
    std::string reason;  // why not, in words for the user; "" when written
};

// Writes exactly the composed bytes to `path`, replacing an earlier file
// whole: a failure never leaves a cut-off file and never harms a file that is
// there, and a read-only file is not replaced. Nothing is written when the
// picture did not come about.
SaveOutcome saveComposedPicture(const ComposedPicture& picture, std::string_view path);

// A failed write in words for the user: the common cases in the program's own
// words, any other in the system's text for the error.
std::string writeFailureReason(DWORD error);

// What the save button shows after a save: savedMessage when the file was
// written, else saveFailedMessage with the reason.
std::string saveOutcomeMessage(std::string_view path, const SaveOutcome& outcome);

// A composition together with the outcome of saving it.
struct ExportResult {
    ComposedPicture picture;
    SaveOutcome outcome;
};

// Saves a composed picture and reports the write's time to the observer.
ExportResult exportComposedPicture(ComposedPicture picture, std::string_view path, const PhaseObserver& observer);

}  // namespace pixmora
