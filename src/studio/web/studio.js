// The studio page: the form of the two input files, the sheet and the
// findings. Everything shown or saved comes from lwall's own code running in
// a worker; the page only writes the files from the form and shows the
// results.
'use strict';

// ---- Bytes and texts ----------------------------------------------------

function base64Bytes(text) {
  const binary = atob(text.trim());
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// The module's texts arrive as byte strings: one character per byte.
function byteStringBytes(text) {
  return Uint8Array.from(text, (c) => c.charCodeAt(0));
}

const shiftJisDecoder = new TextDecoder('shift_jis');
const shiftJis = (bytes) => shiftJisDecoder.decode(bytes);

// Both input files are Shift-JIS, as the program's users write them. The
// browser decodes Shift-JIS but does not encode it, so the encoding is the
// decoder's table turned round, made the first time a character needs it.
let shiftJisCodes = null;
function encodeShiftJis(text) {
  const out = [];
  for (const c of text) {
    const code = c.codePointAt(0);
    if (code < 0x80) {
      out.push(code);
      continue;
    }
    if (!shiftJisCodes) {
      shiftJisCodes = new Map();
      const fatal = new TextDecoder('shift_jis', {fatal: true});
      const add = (bytes) => {
        let s;
        try { s = fatal.decode(Uint8Array.from(bytes)); } catch (e) { return; }
        if (!shiftJisCodes.has(s)) shiftJisCodes.set(s, bytes);
      };
      for (let b = 0xa1; b <= 0xdf; ++b) add([b]);
      for (let lead = 0x81; lead <= 0xfc; ++lead) {
        if (lead > 0x9f && lead < 0xe0) continue;
        for (let trail = 0x40; trail <= 0xfc; ++trail) if (trail !== 0x7f) add([lead, trail]);
      }
    }
    // A character Shift-JIS lacks is written as "?", which reads as no number.
    out.push(...(shiftJisCodes.get(c) || [0x3f]));
  }
  return Uint8Array.from(out);
}

// ---- Texts for people ---------------------------------------------------

// English texts are the keys; the field names in English are `--check`'s.
const JAPANESE = {
  'Open files': 'ファイルを開く',
  'or drop tempoL.dat and GasouL.dat on the page': 'または tempoL.dat と GasouL.dat をページにドロップ',
  'Save': '保存',
  'Language': '言語',
  'Design data (tempoL.dat)': '設計データ (tempoL.dat)',
  'Layers (GasouL.dat)': '画層 (GasouL.dat)',
  'Zoom in': '拡大',
  'Zoom out': '縮小',
  'Fit to sheet': '全体表示',
  'Drag or arrow keys: pan. Wheel or + and -: zoom. 0: fit.':
    'ドラッグ・矢印キー: 移動、ホイール・+ -: 拡大縮小、0: 全体',
  'Layers shown': '表示する画層',
  'Findings (lwall --check)': '入力の指摘 (lwall --check)',
  'no findings': '指摘なし',
  'drawing…': '作図中…',
  'drawn in': '作図',
  'The bundled standard example.': '同梱の標準例です。',
  'Opened from disk: the form shows what lwall read; the findings tell where reading stopped.':
    'ディスクから開きました。フォームは lwall が読んだ値を示し、指摘は読み取りが止まった箇所を示します。',
  'Written from the form.': 'フォームから書き出しています。',
  'Outline': '外形',
  'View lengths': '図示範囲',
  'Covers': 'かぶり',
  'Ties': '幅止め筋',
  'segment': '区間',
  'footing top bars, across the footing': '底版上面 主鉄筋',
  'footing bottom bars, across the footing': '底版下面 主鉄筋',
  'footing longitudinal bars, top face': '底版上面 配力筋',
  'footing longitudinal bars, bottom face': '底版下面 配力筋',
  'wall vertical bars, back face': 'たて壁背面 主鉄筋',
  'wall vertical bars, front face': 'たて壁前面 主鉄筋',
  'wall horizontal bars, back face': 'たて壁背面 配力筋',
  'wall horizontal bars, front face': 'たて壁前面 配力筋',
  'crown bars at the top of the wall': '天端 補強筋',
  'toe width': 'つま先幅',
  'wall thickness': 'たて壁厚',
  'heel width': 'かかと幅',
  'wall height': 'たて壁高',
  'footing thickness': '底版厚',
  'view length left': '図示長 左',
  'view length right': '図示長 右',
  'footing bottom cover': '底版下面かぶり',
  'footing top cover': '底版上面かぶり',
  'wall front cover': 'たて壁前面かぶり',
  'wall back cover': 'たて壁背面かぶり',
  'front side cover': '前面側かぶり',
  'back side cover': '背面側かぶり',
  'wall top cover': '天端かぶり',
  'S1 diameter': 'S1 径',
  'S2 diameter': 'S2 径',
  'S1 count': 'S1 本数',
  'S2 count': 'S2 本数',
  'spare': '予備',
  'segment count': '区間数',
  'diameter': '径',
  'pitch': 'ピッチ',
  'pitch count': 'ピッチ数',
  'layer count': '画層数',
  'colour': '色',
  'linetype code': '線種',
  'thickness': '厚さ',
  'name': '名前',
  'layer': '画層',
  'Add a layer': '画層を追加',
  'remove': '削除',
  'mm': 'mm',
  'D': 'D',
};

let language = /^ja\b/i.test(navigator.language || '') ? 'ja' : 'en';

function tr(english) {
  return language === 'ja' && JAPANESE[english] ? JAPANESE[english] : english;
}

// A field's name: "W3 diameter 2" becomes "W3 径 2".
function fieldLabel(name) {
  if (language !== 'ja') return name;
  const mark = /^([FWS]\d) (segment count|diameter|pitch count|pitch)( \d)?$/.exec(name);
  if (mark) return mark[1] + ' ' + tr(mark[2]) + (mark[3] || '');
  const layer = /^layer (\d+) (.*)$/.exec(name);
  if (layer) return tr('layer') + ' ' + layer[1] + ' ' + tr(layer[2]);
  return tr(name);
}

function unitOf(name) {
  if (/diameter/.test(name)) return 'D';
  if (/count|spare/.test(name)) return '';
  return 'mm';
}

// ---- The form -----------------------------------------------------------

// The groups of the user's guide's tables: records of the outline, the view
// lengths, the covers, the four records of each bar mark, the ties.
const GROUPS = [
  {title: 'Outline', records: [1, 2]},
  {title: 'View lengths', records: [3]},
  {title: 'Covers', records: [4, 5]},
];
const MARKS = [
  ['F1', 'footing top bars, across the footing'],
  ['F2', 'footing bottom bars, across the footing'],
  ['F3', 'footing longitudinal bars, top face'],
  ['F4', 'footing longitudinal bars, bottom face'],
  ['W1', 'wall vertical bars, back face'],
  ['W2', 'wall vertical bars, front face'],
  ['W3', 'wall horizontal bars, back face'],
  ['W4', 'wall horizontal bars, front face'],
  ['W5', 'crown bars at the top of the wall'],
];
const TIE_RECORD = 42;
const LAYER_FIELDS = ['colour', 'linetype code', 'thickness', 'name'];
const LINETYPES = ['', 'CONTINUOUS', 'HIDDEN', 'CENTER', 'PHANTOM', 'DOT'];

const $ = (id) => document.getElementById(id);
const state = {
  names: null,  // the field names of each design record, from lwall
  files: {design: null, layers: null},  // the bytes lwall draws from
  origin: 'example',
  result: null,
  view: null,  // the sheet's viewBox, null to fit
  hidden: new Set(),  // classes of the layers hidden in the sheet
};

function element(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributes)) {
    if (k === 'text') e.textContent = v;
    else if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
    else e.setAttribute(k, v);
  }
  e.append(...children);
  return e;
}

// One text field of the form; `key` says which value of which file it holds.
function valueInput(id, name, value) {
  const input = element('input', {
    class: 'value', id, type: 'text', 'data-name': name, 'aria-label': fieldLabel(name),
    inputmode: 'decimal',
  });
  input.value = value;
  return input;
}

function labelledField(record, index, value) {
  const name = state.names[record - 1][index];
  const id = `d-${record}-${index}`;
  const unit = unitOf(name);
  return element('label', {class: 'field', for: id},
      element('span', {class: 'name', 'data-field': name, text: fieldLabel(name)},
          unit ? element('span', {class: 'unit', text: ` (${tr(unit)})`}) : ''),
      valueInput(id, name, value));
}

function buildDesignForm(design) {
  const form = $('design');
  form.replaceChildren();
  const plain = (title, records) => {
    const grid = element('div', {class: 'fields'});
    for (const r of records) design[r - 1].forEach((v, i) => grid.append(labelledField(r, i, v)));
    form.append(element('fieldset', {}, element('legend', {'data-t': title, text: tr(title)}), grid));
  };
  for (const g of GROUPS) plain(g.title, g.records);
  MARKS.forEach(([mark, what], m) => {
    const first = 6 + 4 * m;
    const count = labelledField(first, 0, design[first - 1][0]);
    const table = element('table', {class: 'segments'});
    const head = element('tr', {}, element('th', {'data-t': 'segment', text: tr('segment')}));
    for (let s = 1; s <= 5; ++s) head.append(element('th', {text: String(s)}));
    table.append(head);
    ['diameter', 'pitch', 'pitch count'].forEach((kind, k) => {
      const record = first + 1 + k;
      const unit = unitOf(kind);
      const row = element('tr', {}, element('th', {'data-field': kind, text: tr(kind)},
          unit ? element('span', {class: 'unit', text: ` (${tr(unit)})`}) : ''));
      design[record - 1].forEach((v, i) => {
        row.append(element('td', {}, valueInput(`d-${record}-${i}`, state.names[record - 1][i], v)));
      });
      table.append(row);
    });
    form.append(element('fieldset', {},
        element('legend', {}, mark, element('span', {class: 'what', 'data-t': what, text: tr(what)})),
        element('div', {class: 'mark-head'}, count), table));
  });
  plain('Ties', [TIE_RECORD]);
}

// The DXF colour numbers as a CAD screen shows them: 1 to 9 named, 10 to 249
// twenty-four hues in five shades at full and half saturation, 250 to 255
// greys; 7 is white on black, shown here as black on paper.
function swatchColour(text) {
  const index = Number(text);
  if (!Number.isInteger(index) || index < 1 || index > 255) return 'transparent';
  const named = [null, '#f00', '#ff0', '#0f0', '#0ff', '#00f', '#f0f', '#000', '#808080', '#c0c0c0'];
  if (index <= 9) return named[index];
  if (index >= 250) {
    const grey = [51, 80, 105, 130, 190, 255][index - 250];
    return `rgb(${grey},${grey},${grey})`;
  }
  const hue = Math.floor((index - 10) / 10) * 15;
  const shade = [255, 165, 127, 76, 38][Math.floor((index % 10) / 2)];
  const pale = index % 2 === 1;
  const channel = (n) => {
    const k = (n + hue / 60) % 6;
    let c = 1 - Math.max(0, Math.min(k, 4 - k, 1));
    if (pale) c = 0.5 + c / 2;
    return Math.floor(shade * c);
  };
  return `rgb(${channel(5)},${channel(3)},${channel(1)})`;
}

function layerRow(row, e) {
  const tr_ = element('tr');
  LAYER_FIELDS.forEach((field, k) => {
    const input = valueInput(`l-${e}-${k}`, `layer ${e} ${field}`, row[k]);
    const cell = element('td', k === 0 ? {class: 'colour'} : {});
    if (k === 0) {
      const swatch = element('span', {class: 'swatch', 'aria-hidden': 'true'});
      swatch.style.background = swatchColour(row[0]);
      input.addEventListener('input', () => { swatch.style.background = swatchColour(input.value); });
      cell.append(swatch, input);
    } else if (k === 1) {
      const name = element('span', {class: 'ltname', text: LINETYPES[Number(row[1])] || ''});
      input.addEventListener('input', () => { name.textContent = LINETYPES[Number(input.value)] || ''; });
      cell.append(input, name);
    } else {
      cell.append(input);
    }
    tr_.append(cell);
  });
  tr_.append(element('td', {}, element('button', {
    type: 'button', class: 'remove', 'data-t': 'remove', text: tr('remove'),
    'aria-label': `${tr('remove')} ${tr('layer')} ${e}`, onclick: () => removeLayer(e),
  })));
  return tr_;
}

function buildLayerTable(count, rows) {
  const box = $('layers');
  const countId = 'l-0-0';
  const table = element('table', {class: 'layers'});
  const head = element('tr', {}, element('th', {text: '#'}));
  for (const f of LAYER_FIELDS) head.append(element('th', {'data-t': f, text: tr(f)}));
  head.append(element('th'));
  table.append(head);
  rows.forEach((row, i) => {
    const r = layerRow(row, i + 1);
    r.prepend(element('td', {text: String(i + 1)}));
    table.append(r);
  });
  box.replaceChildren(
      element('label', {class: 'field', for: countId},
          element('span', {'data-field': 'layer count', text: fieldLabel('layer count')}),
          valueInput(countId, 'layer count', count)),
      table,
      element('button', {type: 'button', 'data-t': 'Add a layer', text: tr('Add a layer'), onclick: addLayer}));
  box.querySelector('#' + countId).style.width = '80px';
}

function layerRows() {
  const rows = [];
  for (let e = 1; $(`l-${e}-0`); ++e) rows.push(LAYER_FIELDS.map((_, k) => $(`l-${e}-${k}`).value));
  return rows;
}

// Adding or removing a row keeps the declared count in step with it.
function changeLayers(rows, countChange) {
  const count = $('l-0-0').value;
  const next = /^\d+$/.test(count.trim()) ? String(Number(count) + countChange) : count;
  buildLayerTable(next, rows);
  edited('layers');
}
function addLayer() {
  changeLayers([...layerRows(), ['7', '1', '0', '']], 1);
  $(`l-${layerRows().length}-3`).focus();
}
function removeLayer(e) {
  const rows = layerRows();
  rows.splice(e - 1, 1);
  changeLayers(rows, -1);
}

// The files as the form holds them: records in order, values as typed.
function designFromForm() {
  const lines = state.names.map((names, r) => names.map((_, i) => $(`d-${r + 1}-${i}`).value).join(','));
  return encodeShiftJis(lines.join('\r\n') + '\r\n');
}
function layersFromForm() {
  const lines = [$('l-0-0').value, ...layerRows().map((row) => row.join(' '))];
  return encodeShiftJis(lines.join('\r\n') + '\r\n');
}

// ---- Drawing ------------------------------------------------------------

// One request at a time: edits made while the worker draws wait, and only
// the last of them is sent, so the sheet always ends on the last edit.
const worker = new Worker(URL.createObjectURL(new Blob(
    [new TextDecoder().decode(base64Bytes($('worker-source').textContent))],
    {type: 'text/javascript'})));
let nextId = 0;
let inFlight = null;
let waiting = null;

function request(read = false) {
  waiting = {id: ++nextId, design: state.files.design, layers: state.files.layers,
             read: read || (waiting && waiting.read), sent: performance.now()};
  document.body.dataset.busy = 'true';
  $('state').textContent = tr('drawing…');
  if (!inFlight) sendWaiting();
}

function sendWaiting() {
  inFlight = waiting;
  waiting = null;
  worker.postMessage({id: inFlight.id, design: inFlight.design, layers: inFlight.layers,
                      read: inFlight.read});
}

worker.onmessage = (event) => {
  const result = event.data;
  result.roundTrip = performance.now() - inFlight.sent;
  inFlight = null;
  if (result.fault) {
    // The page says so rather than wait for a sheet that never comes.
    $('sheet').replaceChildren(element('div', {class: 'message', text: `lwall stopped: ${result.fault}`}));
  } else {
    if (result.fields) fillForm(result.fields);
    show(result);
  }
  if (waiting) {
    sendWaiting();
  } else {
    document.body.dataset.busy = 'false';
    document.body.dataset.drawn = String(result.id);
  }
};

function edited(which) {
  state.files[which] = which === 'design' ? designFromForm() : layersFromForm();
  if (state.origin !== 'form') {
    state.origin = 'form';
    showOrigin();
  }
  request();
}

function fillForm(fields) {
  const design = fields.design.map((record) => record.map((text) => shiftJis(byteStringBytes(text))));
  if (!state.names) {
    state.names = fields.names;
    buildDesignForm(design);
  } else {
    design.forEach((record, r) => record.forEach((v, i) => { $(`d-${r + 1}-${i}`).value = v; }));
  }
  const decode = (t) => shiftJis(byteStringBytes(t));
  buildLayerTable(decode(fields.layer_count), fields.layers.map((row) => row.map(decode)));
}

function showOrigin() {
  const text = {
    example: 'The bundled standard example.',
    opened: 'Opened from disk: the form shows what lwall read; the findings tell where reading stopped.',
    form: 'Written from the form.',
  }[state.origin];
  $('origin').textContent = tr(text);
}

// ---- The sheet ----------------------------------------------------------

let fullView = null;

function show(result) {
  state.result = result;
  const sheet = $('sheet');
  if (result.status === 0) {
    // The page's own HTML parser reads the picture about four times faster
    // than an XML parse and import, and makes the same elements of it.
    const template = document.createElement('template');
    template.innerHTML = result.svg.replace(/^<\?xml[^>]*>\s*/, '');
    const svg = template.content.querySelector('svg');
    fullView = svg.getAttribute('viewBox').split(' ').map(Number);
    svg.removeAttribute('width');
    svg.removeAttribute('height');
    svg.setAttribute('aria-hidden', 'true');
    sheet.replaceChildren(svg);
    applyView();
    showLayerToggles();
  } else {
    // The run's message, as the command line prints it.
    sheet.replaceChildren(element('div', {class: 'message', text: shiftJis(result.message).trim()}));
  }
  showFindings(result.findings);
  showSaves(result);
  $('state').textContent = `${tr('drawn in')} ${result.milliseconds.toFixed(1)} ms`;
}

function applyView() {
  const svg = $('sheet').querySelector('svg');
  if (!svg) return;
  svg.setAttribute('viewBox', (state.view || fullView).join(' '));
  for (const g of svg.querySelectorAll('g[class]')) {
    g.style.display = state.hidden.has(g.getAttribute('class')) ? 'none' : '';
  }
}

function showLayerToggles() {
  const classes = [...new Set([...$('sheet').querySelectorAll('g[class]')].map((g) => g.getAttribute('class')))];
  const box = $('layer-toggles');
  if (box.dataset.layers === classes.join(' ')) return;
  box.dataset.layers = classes.join(' ');
  box.replaceChildren(...classes.map((c) => {
    const check = element('input', {type: 'checkbox'});
    check.checked = !state.hidden.has(c);
    check.addEventListener('change', () => {
      if (check.checked) state.hidden.delete(c); else state.hidden.add(c);
      applyView();
    });
    return element('label', {}, check, ' ' + c);
  }));
}

// Zooms by `factor` about a point of the sheet (its middle by default).
function zoom(factor, at) {
  const [x, y, w, h] = state.view || fullView;
  const [px, py] = at || [x + w / 2, y + h / 2];
  state.view = [px - (px - x) / factor, py - (py - y) / factor, w / factor, h / factor];
  applyView();
}

function pan(dx, dy) {
  const [x, y, w, h] = state.view || fullView;
  state.view = [x + dx, y + dy, w, h];
  applyView();
}

function fit() {
  state.view = null;
  applyView();
}

// Sheet units per screen pixel, and a screen point in sheet units.
function sheetPoint(clientX, clientY) {
  const svg = $('sheet').querySelector('svg');
  const matrix = svg.getScreenCTM().inverse();
  const p = new DOMPoint(clientX, clientY).matrixTransform(matrix);
  return [p.x, p.y, matrix.a];
}

function setUpSheetControls() {
  const sheet = $('sheet');
  $('zoom-in').onclick = () => zoom(1.5);
  $('zoom-out').onclick = () => zoom(1 / 1.5);
  $('fit').onclick = fit;
  sheet.addEventListener('wheel', (e) => {
    if (!fullView || !sheet.querySelector('svg')) return;
    e.preventDefault();
    const [px, py] = sheetPoint(e.clientX, e.clientY);
    zoom(e.deltaY < 0 ? 1.25 : 1 / 1.25, [px, py]);
  }, {passive: false});
  let drag = null;
  sheet.addEventListener('pointerdown', (e) => {
    if (!sheet.querySelector('svg')) return;
    drag = {x: e.clientX, y: e.clientY, unit: sheetPoint(e.clientX, e.clientY)[2]};
    sheet.setPointerCapture(e.pointerId);
    sheet.classList.add('panning');
  });
  sheet.addEventListener('pointermove', (e) => {
    if (!drag) return;
    pan((drag.x - e.clientX) * drag.unit, (drag.y - e.clientY) * drag.unit);
    drag.x = e.clientX;
    drag.y = e.clientY;
  });
  const end = () => { drag = null; sheet.classList.remove('panning'); };
  sheet.addEventListener('pointerup', end);
  sheet.addEventListener('pointercancel', end);
  sheet.addEventListener('keydown', (e) => {
    if (!fullView) return;
    const [, , w, h] = state.view || fullView;
    const step = {ArrowLeft: [-w / 10, 0], ArrowRight: [w / 10, 0], ArrowUp: [0, -h / 10], ArrowDown: [0, h / 10]}[e.key];
    if (step) pan(...step);
    else if (e.key === '+' || e.key === '=') zoom(1.5);
    else if (e.key === '-') zoom(1 / 1.5);
    else if (e.key === '0' || e.key === 'Home') fit();
    else return;
    e.preventDefault();
  });
}

// ---- Findings and files -------------------------------------------------

function fieldIdOf(finding) {
  if (finding.record === null) return finding.file === 'GasouL.dat' ? 'layers' : null;
  return `${finding.file === 'GasouL.dat' ? 'l' : 'd'}-${finding.record}-${finding.field}`;
}

function showFindings(report) {
  for (const input of document.querySelectorAll('input.value.error, input.value.warning')) {
    input.classList.remove('error', 'warning');
  }
  const list = $('findings');
  $('findings-summary').textContent = report.summary;
  if (report.findings.length === 0) {
    list.replaceChildren(element('li', {class: 'none', 'data-t': 'no findings', text: tr('no findings')}));
    return;
  }
  list.replaceChildren(...report.findings.map((f) => {
    const id = fieldIdOf(f);
    const target = id && $(id);
    if (target && target.tagName === 'INPUT') target.classList.add(f.severity);
    const item = element('li', {class: f.severity});
    if (!target) {
      item.textContent = f.line_text;
      return item;
    }
    item.append(element('a', {
      href: '#' + id, 'data-target': id, text: f.line_text,
      onclick: (e) => { e.preventDefault(); goToField(id); },
    }));
    return item;
  }));
}

function goToField(id) {
  for (const e of document.querySelectorAll('.linked')) e.classList.remove('linked');
  const target = $(id);
  target.classList.add('linked');
  target.scrollIntoView({block: 'center'});
  target.focus();
  target.addEventListener('blur', () => target.classList.remove('linked'), {once: true});
}

const SAVES = ['tempoL.dat', 'GasouL.dat', 'Lwall.dxf', 'tempoL.scr', 'Lwall-portable.dxf', 'Lwall.svg'];

function showSaves(result) {
  const box = $('saves');
  if (!box.children.length) {
    box.append(...SAVES.map((name) => element('button', {
      type: 'button', 'aria-label': name, text: name, onclick: () => save(name),
    })));
  }
  // A refused design has no sheet to save, as the command line writes none.
  for (const button of box.children) {
    button.disabled = !isInputFile(button.textContent) && result.status !== 0;
  }
}

function isInputFile(name) {
  return name === 'tempoL.dat' || name === 'GasouL.dat';
}

function save(name) {
  const bytes = name === 'tempoL.dat' ? designFromForm()
              : name === 'GasouL.dat' ? layersFromForm()
              : state.result.files[name];
  const url = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
  const link = element('a', {href: url, download: name});
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// A file is the layer file when its name says so, or else when it holds
// words (layer names), which design data never does.
async function openFiles(files) {
  for (const file of files) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const name = file.name.toLowerCase();
    const layers = name.includes('gasou') ||
        (!name.includes('tempo') && /[A-Za-z]{2}/.test(new TextDecoder('latin1').decode(bytes)));
    state.files[layers ? 'layers' : 'design'] = bytes;
  }
  state.origin = 'opened';
  showOrigin();
  request(true);
}

// ---- Language -----------------------------------------------------------

function applyLanguage() {
  document.documentElement.lang = language;
  $('language').value = language;
  for (const e of document.querySelectorAll('[data-t]')) e.textContent = tr(e.dataset.t);
  for (const e of document.querySelectorAll('[data-field]')) {
    const unit = e.querySelector('.unit');
    const name = e.dataset.field;
    e.textContent = fieldLabel(name);
    if (unit) {
      unit.textContent = ` (${tr(unitOf(name))})`;
      e.append(unit);
    }
  }
  for (const input of document.querySelectorAll('input.value')) {
    input.setAttribute('aria-label', fieldLabel(input.dataset.name));
  }
  for (const b of document.querySelectorAll('button.remove')) {
    b.setAttribute('aria-label', `${tr('remove')} ${tr('layer')} ${b.closest('tr').firstChild.textContent}`);
  }
  showOrigin();
  if (state.result) showFindings(state.result.findings);
}

// ---- Start --------------------------------------------------------------

function start() {
  $('language').addEventListener('change', (e) => { language = e.target.value; applyLanguage(); });
  $('design').addEventListener('input', () => edited('design'));
  $('layers').addEventListener('input', () => edited('layers'));
  $('open').addEventListener('change', (e) => openFiles([...e.target.files]));
  document.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('dropping'); });
  document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('dropping');
    if (e.dataTransfer.files.length) openFiles([...e.dataTransfer.files]);
  });
  setUpSheetControls();
  state.files.design = base64Bytes($('example-design').textContent);
  state.files.layers = base64Bytes($('example-layers').textContent);
  applyLanguage();
  request(true);
}

start();
