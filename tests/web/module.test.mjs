// The browser module's API under Node: documents, fields, channels,
// interchange and a read and write against the simulated radio.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import path from 'node:path';

const dir = path.resolve(process.env.QAV_WEB_DIR);
const testsDir = process.env.QAV_TESTS_DIR;
const createQav = createRequire(import.meta.url)(path.join(dir, 'qav.js'));
const qav = await createQav();

const readRadio = (port) => qav.ccall('qav_read_radio', 'number', ['string', 'string'], [port, ''], { async: true });
const writeRadio = (port) => qav.ccall('qav_write_radio', 'number', ['string', 'string'], [port, ''], { async: true });

test('a golden file opens, saves byte for byte and keeps its name', () => {
  const bytes = readFileSync(path.join(testsDir, 'golden/factory.qav'));
  const opened = qav.openFile(bytes, 'some/folder/factory.qav');
  assert.equal(opened.ok, true, opened.message);
  assert.equal(qav.state().file, 'factory.qav');
  const saved = qav.saveFile('');
  assert.equal(saved.ok, true, saved.message);
  assert.ok(saved.bytes instanceof Uint8Array);
  const again = qav.openFile(saved.bytes, 'again.qav');
  assert.equal(again.ok, true);
  assert.deepEqual(qav.saveFile('').bytes, saved.bytes);
});

test('files that are no codeplug are refused with the reason, and the codeplug stays', () => {
  qav.newDocument();
  const before = qav.channels();
  for (const bytes of [new Uint8Array(0), new Uint8Array([0x51, 0x41, 0x56]), new Uint8Array(300).fill(7)]) {
    const r = qav.openFile(bytes, 'bad.qav');
    assert.equal(r.ok, false);
    assert.ok(r.message.length > 0);
  }
  assert.deepEqual(qav.channels(), before);
});

test('a channel is edited through the channel conversion: checked, clamped to the band', () => {
  qav.newDocument();
  const cases = [
    { set: { rxFrequency: '440.1250' }, ok: true, rx: '440.12500' },
    { set: { rxFrequency: 'abc' }, ok: false },
    { set: { rxCtcss: '1e9x' }, ok: false },
    { set: { power: 'no such power' }, ok: false },
    { set: { rxFrequency: '999' }, ok: true, clamped: true },
  ];
  for (const c of cases) {
    const before = qav.channels()[0];
    const r = qav.setChannel(0, c.set);
    assert.equal(r.ok, c.ok, JSON.stringify(c.set));
    if (!c.ok) assert.deepEqual(qav.channels()[0], before, 'a refused edit changes nothing');
    if (c.rx) assert.equal(qav.channels()[0].rxFrequency, c.rx);
    if (c.clamped) assert.ok(r.message.length > 0, 'the out-of-band notice');
  }
  assert.equal(qav.state().modified, true);
});

test('the channel table takes cells as the desktop grid does', () => {
  qav.newDocument();
  const grid = qav.channelGrid();
  const col = (field, kind) => grid.columns.findIndex((c) => c.field === field && (!kind || c.kind === kind));
  const rx = col('rx_frequency');
  const rxType = col('rx_tone', 'list');
  assert.equal(grid.rows.length, qav.state().channels);
  assert.equal(grid.columns[rx].heading, qav.caption(3665));

  const before = qav.channelGrid().rows[0];
  for (const bad of ['abc', '4x0']) {
    const r = qav.setChannelCell(0, rx, bad);
    assert.equal(r.ok, false, bad);
    assert.ok(r.message.length > 0);
    assert.deepEqual(r.row, before, 'a refused cell changes nothing');
  }
  // Typed as it is, on the 2.5 kHz grid; outside the band it is clamped with a notice.
  assert.equal(qav.setChannelCell(0, rx, '445.0025').row[rx].text, '445.00250');
  const clamped = qav.setChannelCell(0, rx, '999');
  assert.equal(clamped.ok, true);
  assert.ok(clamped.message.length > 0);
  assert.equal(clamped.row[rx].text, '470.00000');
  // A tone box takes values only while the tone type is its kind.
  const types = grid.columns[rxType].items;
  assert.equal(qav.setChannelCell(0, rxType, types[0]).ok, true);
  const ctcss = grid.columns.findIndex((c, i) => c.field === 'rx_tone' && c.kind === 'text' && i > rxType);
  assert.equal(qav.channelGrid().rows[0][ctcss].editable, false);
  assert.equal(qav.setChannelCell(0, ctcss, '100.0').ok, false);
  assert.equal(qav.setChannelCell(0, rxType, 'no such type').ok, false);
  assert.equal(qav.setChannelCell(99, rx, '440').ok, false);
});

test('fields of any section are set by name with the codec checks', () => {
  qav.newDocument();
  const names = qav.sections().map((s) => s.name);
  assert.ok(names.includes('channel'));
  const misc = qav.sections().find((s) => s.records === 1 && s.fields.some((f) => f.options));
  const field = misc.fields.find((f) => f.options && f.options.length > 1);
  const wanted = field.options[1].text;
  assert.equal(qav.setField(misc.name, 0, field.name, wanted), '');
  assert.equal(qav.records(misc.name)[0][field.name], wanted);
  assert.notEqual(qav.setField(misc.name, 0, field.name, 'not an option'), '');
  assert.notEqual(qav.setField(misc.name, 0, 'no_such_field', 1), '');
  assert.notEqual(qav.setField('no_such_section', 0, field.name, 1), '');
  assert.notEqual(qav.setField(misc.name, 5, field.name, wanted), '');
});

test('JSON and CSV go out and come back', () => {
  assert.equal(qav.openFile(readFileSync(path.join(testsDir, 'golden/factory.qav')), 'factory.qav').ok, true);
  qav.setChannel(1, { rxFrequency: '450.0000', txFrequency: '450.0000' });
  const json = qav.exportJson();
  const saved = qav.saveFile('').bytes;
  qav.newDocument();
  qav.setChannel(1, { rxFrequency: '460.0000' });
  const imported = qav.importJson(json);
  assert.equal(imported.ok, true, imported.errors.join('\n'));
  assert.deepEqual(qav.saveFile('').bytes, saved);
  assert.equal(qav.importJson('{').ok, false);

  const csv = qav.exportCsv();
  assert.match(csv.text, /^Location,Name,Frequency/);
  qav.newDocument();
  const back = qav.importCsv(csv.text);
  assert.equal(back.ok, true, back.errors.join('\n'));
  assert.equal(qav.channels()[1].rxFrequency, '450.00000');
  const bad = qav.importCsv('Location,Name,Frequency\n0,x,notanumber\n');
  assert.equal(bad.ok, false);
  assert.ok(bad.errors.length > 0);
});

test('the languages switch the texts', () => {
  const english = qav.caption(3665);
  qav.selectLanguage(1);
  const chinese = qav.caption(3665);
  qav.selectLanguage(0);
  assert.ok(english.length > 0 && chinese.length > 0);
  assert.notEqual(english, chinese);
});

test('read from and write to the simulated radio; no radio is a clear failure', async () => {
  qav.setSimLineRate(false);
  qav.newDocument();
  assert.equal(await readRadio('sim'), 1, JSON.stringify(qav.lastTransfer()));
  const read = qav.channels();
  qav.setChannel(2, { rxFrequency: '451.0000' });
  assert.equal(await writeRadio('sim'), 1, JSON.stringify(qav.lastTransfer()));
  qav.newDocument();
  assert.equal(await readRadio('sim'), 1);
  assert.equal(qav.channels()[2].rxFrequency, '451.00000');
  assert.equal(qav.channels().length, read.length);

  // No serial port granted (Node has none): the search fails and says so.
  assert.equal(await readRadio('serial'), 0);
  const failed = qav.lastTransfer();
  assert.equal(failed.ok, false);
  assert.ok(failed.message.length > 0);
});
