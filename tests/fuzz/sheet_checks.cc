// Test support: the checks of a run on any input.
#include "fuzz/sheet_checks.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "check/input_check.h"
#include "conformance/script_grammar.h"
#include "driver/sheet.h"
#include "input/byte_source.h"
#include "output/output_stream.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall::testing {

namespace {

const std::string kWidthMessage = Sjis("幅の制限を超えています。\n");
const std::string kHeightMessage = Sjis("高さの制限を超えています。\n");

const std::string kDxfTooLarge = "can't write Lwall.dxf: the sheet exceeds 64 MiB\n";
const std::string kScriptTooLarge = "can't write tempoL.scr: the sheet exceeds 64 MiB\n";

const std::string kHead = "0\r\nSECTION\r\n2\r\nTABLES\r\n";
const std::string kPortableHead = "0\r\nSECTION\r\n2\r\nHEADER\r\n";
const std::string kSectionChange = "0\r\nENDSEC\r\n0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\n";
const std::string kTrailer = "0\r\nENDSEC\r\n0\r\nEOF\r\n";

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "nan" or "inf" in any letter case among the single-byte characters.
bool HasWord(std::string_view text) {
  char last[3] = {0, 0, 0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(c)) {
      ++i;
      last[0] = last[1] = last[2] = 0;
      continue;
    }
    last[0] = last[1];
    last[1] = last[2];
    last[2] = Lower(static_cast<char>(c));
    if ((last[0] == 'n' && last[1] == 'a' && last[2] == 'n') ||
        (last[0] == 'i' && last[1] == 'n' && last[2] == 'f')) {
      return true;
    }
  }
  return false;
}

bool IsInteger(std::string_view s) {
  std::size_t i = s.starts_with('-') ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

bool IsFiniteNumber(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  double v = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  return error == std::errc() && end == s.data() + s.size() && std::isfinite(v);
}

// Both words hold an "n"; most values hold none and are passed over fast.
bool MayHoldWord(std::string_view value) {
  return value.find('n') != std::string_view::npos || value.find('N') != std::string_view::npos;
}

// Framing, group codes, record types and the numbers of the entity records,
// and words that are no numbers, in one pass over views into the file.
void CheckDxf(const std::string& dxf, std::vector<std::string>& faults,
              const std::string& head = kHead) {
  if (!dxf.starts_with(head)) faults.push_back("DXF does not begin with its first section");
  if (!dxf.ends_with(kTrailer)) faults.push_back("DXF does not end with ENDSEC and EOF");
  const std::string_view bytes = dxf;
  std::size_t pos = 0;
  const auto next_line = [&](std::string_view& line) {
    if (pos >= bytes.size()) return false;
    std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    line = bytes.substr(pos, end - pos);
    pos = end + 2;
    return true;
  };
  bool in_entities = false;
  bool non_finite = false;
  std::string_view code, value;
  for (std::size_t line = 1; next_line(code); line += 2) {
    if (!next_line(value)) {
      faults.push_back("DXF has a group code without its value");
      return;
    }
    if (!IsInteger(code)) {
      faults.push_back("DXF line " + std::to_string(line) +
                       " is no group code: " + std::string(code));
      return;
    }
    if (value.find('\n') != std::string_view::npos || value.find('\r') != std::string_view::npos) {
      faults.push_back("DXF line " + std::to_string(line + 1) + " has a bare CR or LF");
      return;
    }
    // Layer names (8 and 2) are spelt as the input has them; header
    // variable names (9) are words.
    if (code != "8" && code != "2" && code != "9" && MayHoldWord(value) && HasWord(value)) {
      non_finite = true;
    }
    if (code == "0") {
      if (value == "ENDSEC") in_entities = false;
      if (in_entities && value != "LINE" && value != "TEXT" && value != "CIRCLE") {
        faults.push_back("DXF entity of type " + std::string(value));
        return;
      }
    } else if (code == "2" && value == "ENTITIES") {
      in_entities = true;
    } else if (in_entities) {
      const bool real = code == "10" || code == "20" || code == "11" || code == "21" ||
                        code == "39" || code == "40" || code == "41" || code == "48" ||
                        code == "50" || code == "51";
      if (real && !IsFiniteNumber(value)) {
        faults.push_back("DXF group " + std::string(code) + " is no number: " + std::string(value));
        return;
      }
    }
  }
  if (non_finite) faults.push_back("\"nan\" or \"inf\" in the DXF file");
}

}  // namespace

SheetRun DrawSheetInMemory(const InputFiles& files) {
  SheetRun run;
  OutputStream dxf;
  OutputStream script;
  run.status = DrawSheet(files.design, files.layers, dxf, script, run.message);
  run.dxf = dxf.contents();
  run.script = script.contents();
  return run;
}

std::vector<std::string> CheckSheetRun(const SheetRun& run, InputRange range) {
  std::vector<std::string> faults;
  if (run.status != 0 && run.status != 1 && run.status != 2) {
    faults.push_back("exit status " + std::to_string(run.status));
    return faults;
  }
  // A sheet past the bound of an output: stopped there, with its message.
  if (run.message == kDxfTooLarge || run.message == kScriptTooLarge) {
    const bool dxf = run.message == kDxfTooLarge;
    if (run.status != (dxf ? 1 : 2)) faults.push_back("the bound told with the wrong status");
    if ((dxf ? run.dxf : run.script).size() > kMaxOutputBytes) {
      faults.push_back("an output grew past its bound");
    }
    return faults;
  }
  if (run.status == 2) {
    faults.push_back("status 2 with the message \"" + run.message + "\"");
    return faults;
  }
  if (run.status == 1) {
    if (run.message != kWidthMessage && run.message != kHeightMessage) {
      faults.push_back("status 1 with the message \"" + run.message + "\"");
    }
    if (!run.dxf.ends_with(kSectionChange)) {
      faults.push_back("a refused wall's DXF does not end with the section change");
    }
    if (!run.script.empty()) faults.push_back("a refused wall has a script");
    return faults;
  }
  if (!run.message.empty()) faults.push_back("status 0 with a message");
  if (range == InputRange::kAbsurd) {
    if (!run.dxf.starts_with(kHead) || !run.dxf.ends_with(kTrailer)) {
      faults.push_back("DXF is not framed by the TABLES section and EOF");
    }
    for (const std::string& f : CheckScript(run.script, false).faults) faults.push_back(f);
    return faults;
  }
  if (HasWord(run.script)) faults.push_back("\"nan\" or \"inf\" in the script");
  CheckDxf(run.dxf, faults);
  const ScriptCheck script = CheckScript(run.script);
  for (const std::string& f : script.faults) faults.push_back(f);
  if (script.faults.empty()) {
    for (const std::string& f : CheckSegmentsInDxf(script, run.dxf)) faults.push_back(f);
  }
  return faults;
}

namespace {

void CheckPicture(const SheetRun& plain, int status, const std::string& dxf,
                  const std::string& script, const std::string& svg,
                  std::vector<std::string>& faults) {
  const bool too_large = status == 5 && plain.status == 0;
  if (status != plain.status && !too_large) {
    faults.push_back("--preview: status " + std::to_string(status) + " for a plain status " +
                     std::to_string(plain.status));
  }
  if (dxf != plain.dxf || script != plain.script) faults.push_back("--preview changed an output");
  if (status != 0) return;
  if (!svg.starts_with("<?xml") || !svg.ends_with("</svg>\r\n")) {
    faults.push_back("the picture is no whole document");
  }
  for (const char* word : {"=\"nan", "=\"-nan", "=\"inf", "=\"-inf", " nan", " inf"}) {
    if (svg.find(word) != std::string::npos) {
      faults.push_back(std::string("the picture holds \"") + word + "\"");
    }
  }
}

}  // namespace

std::vector<std::string> CheckFace(const InputFiles& files, const SheetRun& plain, Face face) {
  std::vector<std::string> faults;
  StringSource design(files.design);
  StringSource layers(files.layers);
  OutputStream dxf;
  OutputStream script;
  OutputStream svg;
  std::string message;
  switch (face) {
    case Face::kCheck: {
      const InputCheck check = CheckInputs(design, layers);
      if (check.findings.size() != static_cast<std::size_t>(check.errors + check.warnings)) {
        faults.push_back("--check: " + std::to_string(check.findings.size()) +
                         " findings but the summary says " + check.Summary());
      }
      // Every placeholder of a finding's pattern is filled in.
      for (const Finding& finding : check.findings) {
        if (finding.text.empty() || finding.text.find('{') != std::string::npos) {
          faults.push_back("--check: a finding with its pattern not filled in: " +
                           FormatFinding(finding, "tempoL.dat", "GasouL.dat"));
        }
      }
      break;
    }
    case Face::kPreview: {
      const int status = DrawSheet(design, layers, SheetOutputs{dxf, script, &svg}, message);
      CheckPicture(plain, status, dxf.contents(), script.contents(), svg.contents(), faults);
      break;
    }
    case Face::kPortableDxf: {
      const int status =
          DrawSheet(design, layers, SheetOutputs{dxf, script, nullptr, true}, message);
      if (status != plain.status) {
        faults.push_back("--portable-dxf: status " + std::to_string(status) +
                         " for a plain status " + std::to_string(plain.status));
      }
      if (script.contents() != plain.script) faults.push_back("--portable-dxf changed the script");
      if (status == 0 && plain.message.empty()) {
        std::vector<std::string> dxf_faults;
        CheckDxf(dxf.contents(), dxf_faults, kPortableHead);
        for (const std::string& f : dxf_faults) faults.push_back("--portable-dxf: " + f);
      }
      break;
    }
  }
  return faults;
}

}  // namespace lwall::testing
