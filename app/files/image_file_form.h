// What every window does when it opens or saves the memory image file:
// read all or nothing, commit open edits, apply, and tell the user.
#pragma once

#include <functional>
#include <string>

#include "form.h"

namespace brel {

// Reads MemImage rows 0..480 from `path`.  A file that cannot be read, or is
// short or damaged, is refused with its reason and nothing changes.  A good
// file: `commitEdits` (edits still open go into the image the file
// replaces, not over it), the values into MemImage, `applied` (redisplay),
// then "the parameters were loaded".  True when the image changed.
bool LoadImageFileInto(AppContext& context, const std::string& path, const std::function<void()>& commitEdits,
                       const std::function<void()>& applied = {});

// Writes MemImage rows 0..lastRow to `path` (replacing a file there only
// once the new one is whole).  On failure says why; on success runs `saved`,
// then says "the parameters were saved".  True when the file was written.
bool SaveImageRowsTo(AppContext& context, const std::string& path, int lastRow,
                     const std::function<void()>& saved = {});

}  // namespace brel
