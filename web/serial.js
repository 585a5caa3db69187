// The serial port of the page (Web Serial) as the module's transport sees
// it: open with the radio's line settings and DTR/RTS raised, write, read
// with a time-out, purge, close. One reader runs while the port is open
// and gathers what arrives; a parity, framing or break error ends that
// reader, is remembered as a line error (the next read fails at once, as a
// serial port's does) and a new reader takes over.
'use strict';

class QavSerial {
  constructor(port) {
    this.port = port;
    this.rx = [];
    this.waiter = null;
    this.lineError = false;
    this.opened = false;
    this.failure = '';
  }

  async open({ baud, dataBits, parity, stopBits }) {
    try {
      await this.port.open({
        baudRate: baud,
        dataBits,
        parity: ['none', 'odd', 'even'][parity] || 'none',
        stopBits: stopBits === 2 ? 2 : 1,
        flowControl: 'none',
        bufferSize: 4096,
      });
      // The cable draws its power from the modem lines.
      await this.port.setSignals({ dataTerminalReady: true, requestToSend: true });
    } catch (e) {
      this.failure = String(e && e.message ? e.message : e);
      return false;
    }
    this.opened = true;
    this.rx = [];
    this.lineError = false;
    this.pump();
    return true;
  }

  async pump() {
    while (this.opened && this.port.readable) {
      this.reader = this.port.readable.getReader();
      try {
        for (;;) {
          const { value, done } = await this.reader.read();
          if (done) break;
          for (const b of value) this.rx.push(b);
          this.wake();
        }
      } catch (e) {
        // ParityError, FramingError, BreakError, BufferOverrunError: the
        // stream goes on with a new reader; a lost device ends it.
        this.lineError = true;
        this.wake();
      } finally {
        this.reader.releaseLock();
        this.reader = null;
      }
      if (!this.opened) break;
    }
  }

  wake() {
    if (this.waiter) {
      const w = this.waiter;
      this.waiter = null;
      w();
    }
  }

  purge() {
    this.rx = [];
    this.lineError = false;
  }

  async write(bytes) {
    if (!this.opened || !this.port.writable) return 0;
    const writer = this.port.writable.getWriter();
    try {
      await writer.write(bytes);
      return bytes.length;
    } catch (e) {
      return 0;
    } finally {
      writer.releaseLock();
    }
  }

  // Waits until `count` bytes arrived or `timeoutMs` passed (0: no limit),
  // measured from the call; a line error ends the wait with nothing.
  async read(count, timeoutMs) {
    const deadline = timeoutMs > 0 ? performance.now() + timeoutMs : Infinity;
    for (;;) {
      if (this.lineError) {
        this.lineError = false;
        return { bytes: new Uint8Array(0), timedOut: false };
      }
      if (this.rx.length >= count) break;
      const left = deadline - performance.now();
      if (left <= 0 || !this.opened) {
        const n = Math.min(count, this.rx.length);
        return { bytes: Uint8Array.from(this.rx.splice(0, n)), timedOut: true };
      }
      await new Promise((resolve) => {
        this.waiter = resolve;
        if (left !== Infinity) setTimeout(resolve, left);
      });
    }
    return { bytes: Uint8Array.from(this.rx.splice(0, count)), timedOut: false };
  }

  async close() {
    this.opened = false;
    try {
      if (this.reader) await this.reader.cancel();
    } catch (e) { /* already gone */ }
    try {
      await this.port.close();
    } catch (e) { /* already closed */ }
    this.wake();
  }

  // Cancel: the transfer's next wait fails, so the session ends as after a
  // lost line and the codeplug stays as it was.
  abort() {
    this.close();
  }
}

if (typeof window !== 'undefined') window.QavSerial = QavSerial;
