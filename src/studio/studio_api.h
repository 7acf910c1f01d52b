// What the browser studio asks of lwall: the sheet, the check and the form's
// texts of two input files held in memory, through the same readers, checker
// and drawing as the command line, so the page can never disagree with it.
//
// The page talks to a `Studio` through the few C functions at the bottom:
// it fills the two inputs, asks for a redraw or a reading, and copies the
// outputs it wants out of the module's memory. Texts of the inputs travel in
// JSON as byte strings (every byte above 0x7F or below 0x20 written as
// \u00XX), so that Shift-JIS bytes come back to the page unchanged.
#ifndef LWALL_STUDIO_STUDIO_API_H_
#define LWALL_STUDIO_STUDIO_API_H_

#include <cstddef>
#include <string>

namespace lwall {

// One page's session: the two input files as bytes and what was last made of
// them.
struct Studio {
  enum Input { kDesign = 0, kLayers = 1 };
  enum Output {
    kDxf = 0,          // "Lwall.dxf", as `lwall` writes it
    kScript = 1,       // "tempoL.scr"
    kPortableDxf = 2,  // "Lwall.dxf" of `lwall --portable-dxf`
    kSvg = 3,          // "Lwall.svg" of `lwall --preview`
    kMessage = 4,      // the run's message, as `lwall` prints it
    kFindings = 5,     // JSON: the `--check` findings and their summary
    kFields = 6,       // JSON: the texts of the form, as the readers read them
    kOutputs = 7,
  };

  std::string inputs[2];
  std::string outputs[kOutputs];
  int status = 0;
};

// Draws the sheet of the two inputs in its three forms (plain, portable and
// the picture) and checks them; sets every output but kFields (the portable
// form and the picture only for a drawn sheet). Returns the exit status the
// command line gives the same files.
int Redraw(Studio& studio);

// Reads both inputs as a run does and sets kFields: for each design record
// the texts of its fields, and the layer count and entries, each field the
// text the reader took for it (a number's text whole, even where the read
// stopped inside it), "0" where nothing was read, so that the form written
// back reads as the file did.
void ReadFields(Studio& studio);

}  // namespace lwall

extern "C" {
lwall::Studio* lwall_studio_new();
void lwall_studio_delete(lwall::Studio* studio);
// Makes room for `size` bytes of an input and returns where the page writes
// them.
char* lwall_studio_input(lwall::Studio* studio, int input, std::size_t size);
int lwall_studio_redraw(lwall::Studio* studio);
void lwall_studio_read_fields(lwall::Studio* studio);
const char* lwall_studio_output(const lwall::Studio* studio, int output);
std::size_t lwall_studio_output_size(const lwall::Studio* studio, int output);
}

#endif  // LWALL_STUDIO_STUDIO_API_H_
