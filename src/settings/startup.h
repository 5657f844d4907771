// The start-up of a front end's job: the program folder, the default settings and the controls.
#pragma once

#include "job/gallery_job.h"

namespace ql {

// ProgramDir becomes the current directory; the built-in defaults apply; the qualities and
// sizes go into the controls; both folders become "< not chosen yet >".
void ApplyStartUpSettings(TGalleryJob& job);

// The first step of both save commands: the size fields (their leading integers) and the two
// track bars into job.Options.
void CopyControlsToOptions(TGalleryJob& job);

// Puts the qualities and sizes of job.Options into the track bars and size fields.
void PushOptionsToControls(TGalleryJob& job);

}  // namespace ql
