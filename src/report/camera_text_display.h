// Camera texts as the report shows them: UTF-8 kept, anything else decoded from code page 932.
#pragma once

#include <string>
#include <string_view>

namespace kadoro {

// The cameras wrote their texts in code page 932 (Shift-JIS with the Windows extensions). A value
// that is valid UTF-8 is returned unchanged, pure ASCII included; any other value is decoded from
// code page 932 into UTF-8. Bytes that decode to no character each become one "?": a lead byte
// with no trail byte after it (a value cut at its field width), a lead byte whose next byte
// cannot be a trail byte (that next byte is decoded on its own), and a byte that is no character
// at all. A lead and trail byte pair that forms no character becomes a single "?".
std::string CameraTextForDisplay(std::string_view bytes);

}  // namespace kadoro
