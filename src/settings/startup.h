// The start-up of a front end's job: the program folder, the default settings and the controls.
#pragma once

#include "job/gallery_job.h"

namespace ql {

// ProgramDir becomes the current directory and default.qvl there is loaded; when it is missing,
// or malformed (its error is shown in a message box captioned "Error" and the file is left as it
// is), the built-in defaults apply. The qualities and sizes then go into the controls, and both
// folders become "< not chosen yet >"; the run button keeps what loading the file gave it.
void ApplyStartUpSettings(TGalleryJob& job);

// The first step of both save commands: the size fields (their leading integers) and the two
// track bars into job.Options.
void CopyControlsToOptions(TGalleryJob& job);

// Puts the qualities and sizes of job.Options into the track bars and size fields. A value a
// control cannot show is limited to its range: 1..100 on the track bars, 0..9999 in the width
// and height fields (four digits), 0..999 in the thumbnail size field (three digits). The
// options keep the value itself until the controls are copied back.
void PushOptionsToControls(TGalleryJob& job);

}  // namespace ql
