'use strict';
// The page asks the bell computer once a second; every order carries the
// session's token against cross-site requests.
let csrf = '';
let timer = 0;
let tick = 0;
const $ = (id) => document.getElementById(id);
// Words in the program's language, given by the page.
const said = () => document.body.dataset;

async function call(method, path, body) {
  const headers = { 'Content-Type': 'application/json' };
  if (method !== 'GET') headers['X-CSRF-Token'] = csrf;
  const response = await fetch(path, {
    method, headers, credentials: 'same-origin',
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  let data = {};
  try { data = await response.json(); } catch (e) { /* not JSON */ }
  if (response.status === 401 && path !== '/api/login') showLogin('');
  return { status: response.status, data };
}

function fill(list, items, text) {
  list.replaceChildren(...items.map((item) => {
    const li = document.createElement('li');
    li.textContent = text(item);
    return li;
  }));
}

function showLogin(error) {
  clearInterval(timer);
  csrf = '';
  $('panel').hidden = true;
  $('logout').hidden = true;
  $('login').hidden = false;
  $('login-error').textContent = error;
  $('password').focus();
}

async function showPanel() {
  $('login').hidden = true;
  $('panel').hidden = false;
  $('logout').hidden = false;
  const sounds = await call('GET', '/api/sounds');
  const names = (sounds.data.sounds || []).concat(sounds.data.music || []);
  $('sound').replaceChildren(...names.map((name) => new Option(name, name)));
  await refresh();
  clearInterval(timer);
  timer = setInterval(refresh, 1000);
}

async function refresh() {
  const { status, data } = await call('GET', '/api/status');
  if (status !== 200) return;
  $('clock').textContent = data.now.substring(11, 19);
  $('state').textContent = data.state;
  $('state').className = 'big ' + data.state;
  $('day').textContent = data.day;
  $('next').textContent = data.next_bell || '—';
  $('next-sound').textContent = data.next_sound;
  $('hearing').textContent = data.hearing;
  $('start').disabled = data.state !== 'OFF';
  $('halt').disabled = data.state === 'OFF';
  fill($('today'), data.today, (bell) => bell.time + '  ' + bell.sound);
  const time = data.time_source;
  $('time-source').textContent = time.source === 'server'
    ? said().internetTime + time.text + ' (' + time.offset_ms + ' ms)' : said().pcClock;
  if (tick++ % 5 === 0) {
    const rings = await call('GET', '/api/rings?limit=20');
    if (rings.status === 200)
      fill($('rings'), rings.data.rings.reverse(),
           (r) => r.time.substring(11, 16) + ' ' + r.outcome + ' ' + r.sound + ' ' + r.reason);
  }
}

async function order(path, body) {
  const { status, data } = await call('POST', path, body);
  $('message').textContent = status === 200 ? '' : (data.error || said().error + status);
  tick = 0;
  await refresh();
}

document.addEventListener('DOMContentLoaded', async () => {
  $('login').addEventListener('submit', async (event) => {
    event.preventDefault();
    const { status, data } = await call('POST', '/api/login', { password: $('password').value });
    $('password').value = '';
    if (status !== 200) return showLogin(data.error || said().error + status);
    csrf = data.csrf;
    showPanel();
  });
  $('logout').addEventListener('click', async () => {
    await call('POST', '/api/logout');
    showLogin('');
  });
  $('ring').addEventListener('click', () => order('/api/ring', { sound: $('sound').value }));
  $('stop').addEventListener('click', () => order('/api/stop'));
  $('start').addEventListener('click', () => order('/api/schedule/start'));
  $('halt').addEventListener('click', () => order('/api/schedule/stop'));
  const session = await call('GET', '/api/session');
  if (session.status !== 200) return showLogin('');
  csrf = session.data.csrf;
  showPanel();
});
