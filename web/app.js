// The page: the module's programmer (qav.js) behind plain controls. Every
// check, conversion and text comes from the module, which runs the same
// code as the desktop program; this file only lays out and wires.
'use strict';

const page = {
  qav: null,
  busy: false,
  serialPort: null,
};

// The radio-wide settings shown as forms: section name and its heading.
// The radio information is the radio's own and only shown, as in the
// desktop program.
const FORMS = [
  { section: 'radio_information', heading: 1109, readOnly: true },
  { section: 'miscellaneous', heading: 1400 },
  { section: 'keys', heading: 6601 },
];

// Bytes the schema names only by their place hold no setting a dealer edits.
const UNNAMED = /^(byte|bytes|word)_\d/;

const $ = (id) => document.getElementById(id);

function caption(id, fallback) {
  // Menu texts carry their access keys: "&Open...", "打开(&O)...".
  const text = page.qav.caption(id).replace(/\(&.\)/g, '').replace(/&/g, '');
  return text || fallback || '';
}

// Every text of the page that has a caption number takes it from the
// language file in use.
function applyTexts() {
  for (const el of document.querySelectorAll('[data-caption]')) {
    const text = caption(Number(el.dataset.caption));
    if (text) el.textContent = text;
  }
  document.title = caption(128, document.title);
  document.documentElement.lang = page.qav.state().language === 1 ? 'zh' : 'en';
}

function say(text, kind = 'note') {
  if (!text) return;
  const p = document.createElement('p');
  p.className = kind;
  p.textContent = text;
  $('messages').prepend(p);
  while ($('messages').childElementCount > 6) $('messages').lastChild.remove();
}

function sayOutcome(r, doneText) {
  if (r.ok) {
    if (r.message) say(r.message, 'done');
    else if (doneText) say(doneText, 'done');
  } else if (r.message) {
    say(r.details && r.details.length ? `${r.message} (${r.details.join(': ')})` : r.message, 'error');
  }
}

function showStatus() {
  const s = page.qav.state();
  const parts = [s.model, `${s.range} MHz`, s.firmware, s.file || ''].filter(Boolean);
  $('status').textContent = parts.join(' · ') + (s.modified ? ' *' : '');
  $('addChannel').disabled = page.busy || s.channels >= s.channelLimit;
}

function listSelect(listId, value, onChange) {
  const select = document.createElement('select');
  for (const item of page.qav.optionList(listId)) {
    const o = document.createElement('option');
    o.value = item.text;
    o.textContent = item.text;
    select.append(o);
  }
  select.value = value;
  if (select.value !== value) select.selectedIndex = -1;  // a value the list does not name
  select.addEventListener('change', () => onChange(select.value));
  return select;
}

// The channel table is the desktop program's channel grid: its columns,
// what each cell shows and takes, come from the module.
function renderChannels() {
  const grid = page.qav.channelGrid();
  page.columns = grid.columns;
  const thead = $('channels').tHead;
  thead.innerHTML = '';
  const hr = thead.insertRow();
  hr.append(document.createElement('th'));
  for (const c of grid.columns) {
    const th = document.createElement('th');
    th.textContent = c.heading;
    hr.append(th);
  }
  hr.append(document.createElement('th'));
  const tbody = $('channels').tBodies[0];
  tbody.innerHTML = '';
  grid.rows.forEach((cells, i) => tbody.append(channelRow(cells, i)));
  showStatus();
}

function channelRow(cells, index) {
  const tr = document.createElement('tr');
  const num = tr.insertCell();
  num.className = 'rownum';
  num.textContent = index + 1;
  page.columns.forEach((c, col) => {
    const td = tr.insertCell();
    const cell = cells[col] || { text: '', editable: false };
    const commit = (value) => editCell(index, col, value, tr);
    let control;
    if (c.kind === 'list') {
      control = document.createElement('select');
      for (const text of c.items) {
        const o = document.createElement('option');
        o.value = o.textContent = text;
        control.append(o);
      }
      control.value = cell.text;
      if (control.value !== cell.text) control.selectedIndex = -1;  // a value the list does not name
      control.addEventListener('change', () => commit(control.value));
    } else {
      control = document.createElement('input');
      control.value = cell.text;
      control.size = c.kind === 'text' ? 10 : 6;
      control.addEventListener('change', () => commit(control.value));
    }
    // A tone cell is editable only while the tone type is its kind.
    control.disabled = page.busy || !cell.editable;
    control.dataset.key = c.field;
    control.setAttribute('aria-label', `${c.heading} ${index + 1}`);
    td.append(control);
  });
  const del = tr.insertCell();
  const button = document.createElement('button');
  button.textContent = '−';
  button.title = 'delete';
  button.disabled = page.busy;
  button.addEventListener('click', () => {
    sayOutcome(page.qav.deleteChannel(index));
    renderChannels();
  });
  del.append(button);
  return tr;
}

function editCell(index, col, value, tr) {
  const r = page.qav.setChannelCell(index, col, value);
  sayOutcome(r);
  const row = channelRow(r.row, index);
  tr.replaceWith(row);
  if (!r.ok) row.querySelectorAll('td')[col + 1].firstChild.classList.add('refused');
  showStatus();
}

function renderSettings() {
  const host = $('settings');
  host.innerHTML = '';
  const sections = page.qav.sections();
  for (const form of FORMS) {
    const info = sections.find((s) => s.name === form.section);
    if (!info) continue;
    const values = page.qav.records(form.section)[0];
    const fieldset = document.createElement('fieldset');
    const legend = document.createElement('legend');
    legend.textContent = caption(form.heading, form.section);
    fieldset.append(legend);
    const grid = document.createElement('div');
    grid.className = 'grid';
    for (const f of info.fields) {
      const value = values[f.name];
      if ((value !== null && typeof value === 'object') || UNNAMED.test(f.name)) continue;
      const label = document.createElement('label');
      label.textContent = f.name.replace(/_/g, ' ');
      const id = `${form.section}.${f.name}`;
      label.htmlFor = id;
      let control;
      const commit = (v) => {
        const typed = typeof value === 'number' && v.trim() !== '' && !isNaN(Number(v)) ? Number(v) : v;
        const wrong = page.qav.setField(form.section, 0, f.name, typed);
        if (wrong) {
          say(`${label.textContent}: ${wrong}`, 'error');
          renderSettings();
        }
        showStatus();
      };
      if (f.options && typeof value === 'string') {
        control = listSelect(f.list, value, commit);
      } else {
        control = document.createElement('input');
        control.value = value;
        control.addEventListener('change', () => commit(control.value));
      }
      control.id = id;
      if (form.readOnly) control.disabled = true;
      grid.append(label, control);
    }
    fieldset.append(grid);
    host.append(fieldset);
  }
}

function renderAll() {
  applyTexts();
  renderChannels();
  renderSettings();
}

function setBusy(busy) {
  page.busy = busy;
  for (const id of ['new', 'open', 'save', 'read', 'write', 'importCsv', 'exportCsv', 'language', 'port'])
    $(id).disabled = busy;
  for (const el of document.querySelectorAll('main input, main select, main button')) el.disabled = busy;
  $('cancel').disabled = !busy;
  $('progress').hidden = !busy;
  if (!busy) renderAll();
}

function askDiscard() {
  if (!page.qav.state().modified) return true;
  return window.confirm(page.qav.message(800) || 'Discard the changes?');
}

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

async function choosePort() {
  const port = $('port').value;
  if (port !== 'serial') {
    page.qav.qavSerial = null;
    return port;
  }
  if (!('serial' in navigator)) {
    say('Web Serial is not available in this browser (Chrome or Edge on https or localhost).', 'error');
    return null;
  }
  if (!page.serialPort) {
    try {
      page.serialPort = await navigator.serial.requestPort();
    } catch (e) {
      return null;  // the user closed the chooser
    }
  }
  page.qav.qavSerial = new QavSerial(page.serialPort);
  return port;
}

async function transfer(kind) {
  if (page.busy) return;
  if (kind === 'read' && !askDiscard()) return;
  const port = await choosePort();
  if (!port) return;
  setBusy(true);
  $('progress').value = 0;
  const started = performance.now();
  try {
    const fn = kind === 'read' ? 'qav_read_radio' : 'qav_write_radio';
    await page.qav.ccall(fn, 'number', ['string', 'string'], [port, $('password').value], { async: true });
  } finally {
    const seconds = (performance.now() - started) / 1000;
    page.lastTransferSeconds = seconds;
    const r = page.qav.lastTransfer();
    if (page.qav.qavSerial && page.qav.qavSerial.failure) say(page.qav.qavSerial.failure, 'error');
    sayOutcome(r);
    setBusy(false);
  }
}

function wire() {
  const q = page.qav;
  $('new').addEventListener('click', () => {
    if (!askDiscard()) return;
    sayOutcome(q.newDocument());
    renderAll();
  });
  $('open').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (!file || !askDiscard()) return;
    sayOutcome(q.openFile(new Uint8Array(await file.arrayBuffer()), file.name));
    renderAll();
  });
  $('save').addEventListener('click', () => {
    const r = q.saveFile('');
    if (r.ok) download(r.bytes, r.file, 'application/octet-stream');
    else {
      sayOutcome(r);
      for (const v of q.invalidValues()) say(`${v.label} — ${v.place}`, 'error');
    }
    showStatus();
  });
  $('read').addEventListener('click', () => transfer('read'));
  $('write').addEventListener('click', () => transfer('write'));
  $('cancel').addEventListener('click', () => {
    q.cancelTransfer();
    if (q.qavSerial) q.qavSerial.abort();
  });
  $('exportCsv').addEventListener('click', () => {
    const r = q.exportCsv();
    for (const w of r.warnings) say(w, 'note');
    const name = (q.state().file || 'channels').replace(/\.[^.]*$/, '') + '.csv';
    download(new TextEncoder().encode(r.text), name, 'text/csv');
  });
  $('importCsv').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (!file) return;
    const r = q.importCsv(await file.text());
    for (const w of r.warnings) say(w, 'note');
    for (const m of r.errors) say(m, 'error');
    if (!r.ok) say(q.message(2261).replace('%s', file.name) || file.name, 'error');
    renderAll();
  });
  $('language').addEventListener('change', () => {
    q.selectLanguage(Number($('language').value));
    renderAll();
  });
  $('addChannel').addEventListener('click', () => {
    sayOutcome(q.addChannel());
    renderChannels();
  });
  q.onTransferProgress = (percent) => { $('progress').value = percent; };
  window.addEventListener('beforeunload', (e) => {
    if (page.busy || q.state().modified) e.preventDefault();
  });
}

async function start() {
  page.qav = await createQav();
  window.qavPage = page;  // for the browser test
  wire();
  renderAll();
  setBusy(false);
  $('language').value = String(page.qav.state().language);
  document.body.dataset.ready = 'true';
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js').catch(() => {});
}

start();
