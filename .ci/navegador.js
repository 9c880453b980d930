// Plays the served page in headless Chromium as .ci/web asks, in one browser profile, so the
// browser's storage carries over from one load to the next:
//   node navegador.js URL OUT
// 1. the page as a player opens it: the menu's screenshot (OUT/menu.png), the start-up moments,
//    and a game pad's Y opening the options (OUT/opciones-mando.png);
// 2. the stored recording replayed in the page, from an empty table: its trace
//    (OUT/traza-web.jsonl);
// 3. a second load in the same player's folder, on the table the first one left: tabla.txt
//    plays the recording's first game again, up to its page of the table, and pictures it
//    (OUT/tabla-web.png).
// Any error on a page's console, any complaint of the game's, any uncaught exception and any
// failed request fails the run.
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [base, salida] = process.argv.slice(2);
const errores = [];

async function abrir(navegador, consulta, hasta, limiteMs, antes) {
  const pagina = await navegador.newPage();
  await pagina.setViewport({width: 960, height: 720});
  if (antes) await pagina.evaluateOnNewDocument(antes);
  const mensajes = [];
  let listo;
  const terminado = new Promise((r) => (listo = r));
  pagina.on('console', (m) => {
    const texto = m.text();
    if (m.type() === 'error') errores.push(`${consulta}: ${texto}`);
    // The game's own complaints come on its standard error, a warning here; the moments of
    // start-up (a word and a time) are no complaint.
    if (m.type() === 'warn' && /^Polvareda: /.test(texto) && !/^Polvareda: \w+ \d+$/.test(texto))
      errores.push(`${consulta}: ${texto}`);
    mensajes.push(texto);
    if (hasta && hasta.test(texto)) listo();
  });
  pagina.on('pageerror', (e) => errores.push(`${consulta}: ${e.message}`));
  pagina.on('requestfailed', (r) => errores.push(`${consulta}: ${r.url()} failed`));
  const inicio = Date.now();
  await pagina.goto(base + 'index.html' + consulta, {waitUntil: 'load'});
  if (hasta) {
    const plazo = new Promise((_, no) =>
      setTimeout(() => no(new Error(`${consulta}: no end within ${limiteMs} ms`)), limiteMs));
    await Promise.race([terminado, plazo]);
  }
  return {pagina, mensajes, inicio};
}

const esperar = (ms) => new Promise((r) => setTimeout(r, ms));

(async () => {
  const perfil = fs.mkdtempSync(path.join(require('os').tmpdir(), 'polvareda-perfil-'));
  const navegador = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: perfil,
    args: ['--no-sandbox', '--disable-gpu', '--mute-audio'],
  });
  try {
    // 1. The page as a player opens it; the menu comes after the dedication and the fade.
    // A game pad as the browser's gamepad interface gives one (headless Chromium has none):
    // plugged in once the menu shows, its buttons pressed by changing their state.
    const conMando = () => {
      const mando = {id: 'Mando de prueba', index: 0, connected: true, mapping: 'standard',
        timestamp: 1, axes: [0, 0, 0, 0],
        buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
      window.mandoDePrueba = mando;
      navigator.getGamepads = () => [mando, null, null, null];
    };
    const uno = await abrir(navegador, '?tiempos', /Polvareda: ventana \d+/, 60000, conMando);
    const origen = await uno.pagina.evaluate(() => performance.timeOrigin);
    const ventana = uno.mensajes.map((t) => /Polvareda: ventana (\d+)/.exec(t)).find(Boolean);
    console.log(`window open ${Math.round(+ventana[1] - origen)} ms after navigation`);
    await esperar(9000);
    await uno.pagina.screenshot({path: path.join(salida, 'menu.png')});
    // The pad's Y opens the options from the menu (as "4" does), well before the menu gives
    // way to the table.
    await uno.pagina.mouse.click(480, 360);
    await uno.pagina.evaluate(() => {
      const conectado = new Event('gamepadconnected');
      conectado.gamepad = window.mandoDePrueba;
      window.dispatchEvent(conectado);
    });
    await esperar(200);
    for (const pulsado of [true, false]) {
      await uno.pagina.evaluate((pulsado) => {
        const mando = window.mandoDePrueba;
        Object.assign(mando.buttons[3], {pressed: pulsado, value: pulsado ? 1 : 0});
        mando.timestamp++;
      }, pulsado);
      await esperar(300);
    }
    await uno.pagina.screenshot({path: path.join(salida, 'opciones-mando.png')});
    await uno.pagina.close();

    // 2. The recording, replayed on the game's own clock.
    const fin = /Polvareda: the game ended with code (\d+)/;
    const dos = await abrir(navegador, '?repeticion=grabacion/partida.txt&nueva', fin, 300000);
    const traza = dos.mensajes.filter((t) => t.startsWith('TRAZA ')).map((t) => t.slice(6));
    fs.writeFileSync(path.join(salida, 'traza-web.jsonl'), traza.map((l) => l + '\n').join(''));
    const codigo = fin.exec(dos.mensajes.find((t) => fin.test(t)))[1];
    if (codigo !== '0') errores.push(`the replay ended with code ${codigo}`);
    console.log(`replay: ${traza.length} trace lines in ${Date.now() - dos.inicio} ms`);
    await esperar(500);  // the storage is written after the game's last file
    await dos.pagina.close();

    // 3. A second load: the same player's table, pictured on the game's clock.
    const tres = await abrir(navegador, '?repeticion=grabacion/tabla.txt', fin, 120000);
    const png = tres.mensajes.find((t) => t.startsWith('PNG tabla.png '));
    if (!png) errores.push('the second load took no picture of the table');
    else fs.writeFileSync(path.join(salida, 'tabla-web.png'), Buffer.from(png.slice(14), 'base64'));
    await tres.pagina.close();

  } catch (e) {
    errores.push(String(e));
  } finally {
    await navegador.close();
    fs.rmSync(perfil, {recursive: true, force: true});
  }
  for (const e of errores) console.error(`error: ${e}`);
  process.exit(errores.length ? 1 : 0);
})();
