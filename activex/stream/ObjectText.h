#pragma once

#include <string>
#include <string_view>

#include "ByteIO.h"
#include "CodePage.h"
#include "TextError.h"

namespace zarnel::stream {

// Lists and collections nest at most this deep inside one property value.
inline constexpr unsigned MaxValueNesting = 32;

// The readable text of a component stream, in both directions.
//
// The text ObjectBinaryToText prints, and that reads back to the same stream:
//   object AboutBox: TAboutBox            "object TAboutBox" when the name is empty;
//     Caption = 'It''s'#233                "inherited" or "inline" instead of "object", and
//     Glyph.Data = {                       " [n]" after the class for a child position, as
//       0A0B...}                           the flag prefix says
//     object OkBtn: TButton
//     end
//   end
// - Two spaces of indent per level; lines end in LF and none is blank.
// - Integers in decimal; identifiers, False, True, nil and Null as they are; sets as [a, b].
// - Strings quote printable ASCII (a quote doubled) and write every other UTF-16 code unit as
//   #n in decimal, an unpaired surrogate too; malformed UTF-8 in a stream reads as #65533
//   (U+FFFD) per maximal bad sequence, as a load reads it. A string of more than 64 code units is
//   cut into pieces of 64 joined by " +", one piece a line: a property's pieces start on the line
//   after "Name =", two spaces in from the property; a list item's start on the item's own line,
//   at its indent.
// - Binary data: "{", then 32 bytes a line in uppercase hex two spaces in from the property,
//   then "}" right after the last digit ("{}" when empty).
// - Lists: "(", one item a line, ")" right after the last item. Collections: "<", then per item
//   "item" (or "item [n]" with its order), its properties, "end", and ">" right after the last
//   "end". Continuation lines are two spaces in from the line their value starts on.
// - Floats (see FloatText.h): extended as the shortest decimal that reads back exactly, always
//   with a decimal point or an exponent ("1.5", "3.0", "1e21"); single the same with "s", date
//   (a double) with "d"; currency as its stored count of ten-thousandths with "c" (12.5 is 125000c).
//
// ObjectTextToBinary also takes CRLF line ends, blank lines, tabs, any line breaks between
// tokens, keywords in any case, and UTF-8 inside quotes. Integers take the smallest tag that holds
// them; strings go as 8-bit text when all ASCII, else as UTF-8 while that is shorter than UTF-16
// (and always as UTF-16 with an unpaired surrogate).

// Writes the component stream of `text`. Malformed text throws ETextError with its line.
void ObjectTextToBinary(std::string_view text, IByteSink& sink);

// Reads one component stream and returns its text; the source is left just after it. 8-bit
// strings are read through `codePage`. Malformed streams throw EStreamError, as a load does.
std::string ObjectBinaryToText(IByteSource& source, const ICodePage& codePage);

}  // namespace zarnel::stream
