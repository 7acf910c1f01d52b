// The studio's drawing thread: lwall's own code (the module before this
// script) drawing and checking the two files the page sends, so that typing
// on the page never waits for a sheet.
'use strict';

const Output = {dxf: 0, script: 1, portable: 2, svg: 3, message: 4, findings: 5, fields: 6};
const ascii = new TextDecoder('latin1');
const utf8 = new TextDecoder('utf-8');

const ready = createLwallCore().then((core) => ({core, studio: core._lwall_studio_new()}));

function setInput({core, studio}, which, bytes) {
  const at = core._lwall_studio_input(studio, which, bytes.length);
  core.HEAPU8.set(bytes, at);
}

function output({core, studio}, which) {
  const at = core._lwall_studio_output(studio, which);
  const size = core._lwall_studio_output_size(studio, which);
  return core.HEAPU8.slice(at, at + size);
}

// The JSON of the module is ASCII, its texts bytes written as \u00XX.
function json(lwall, which) {
  return JSON.parse(ascii.decode(output(lwall, which)));
}

self.onmessage = async (event) => {
  try {
    await answer(event.data);
  } catch (fault) {
    // Only a fault of the module itself (memory exhausted) comes here.
    self.postMessage({id: event.data.id, fault: String(fault)});
  }
};

async function answer({id, design, layers, read}) {
  const lwall = await ready;
  setInput(lwall, 0, design);
  setInput(lwall, 1, layers);
  const started = performance.now();
  const status = lwall.core._lwall_studio_redraw(lwall.studio);
  const result = {
    id, status,
    message: output(lwall, Output.message),
    findings: json(lwall, Output.findings),
    files: {},
  };
  // The page saves the sheet only when it was drawn, as the command line
  // writes the picture only then.
  if (status === 0) {
    result.files = {
      'Lwall.dxf': output(lwall, Output.dxf),
      'tempoL.scr': output(lwall, Output.script),
      'Lwall-portable.dxf': output(lwall, Output.portable),
      'Lwall.svg': output(lwall, Output.svg),
    };
    result.svg = utf8.decode(result.files['Lwall.svg']);
  }
  if (read) {
    lwall.core._lwall_studio_read_fields(lwall.studio);
    result.fields = json(lwall, Output.fields);
  }
  result.milliseconds = performance.now() - started;
  self.postMessage(result, Object.values(result.files).map((bytes) => bytes.buffer));
}
