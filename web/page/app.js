'use strict';
// The page asks the bell computer for its state once a second, and for
// today's bells and the last rings only when the state marks them changed;
// every order carries the session's token against cross-site requests.
let csrf = '';
let timer = 0;
let todayMark = null;
let ringsMark = null;
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
  // A session or token the server no longer knows: log in afresh.
  if ((response.status === 401 || response.status === 403) && path !== '/api/login')
    showLogin('');
  return { status: response.status, data, wait: response.headers.get('Retry-After') };
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
  $('views').hidden = true;
  $('editor').hidden = true;
  $('logout').hidden = true;
  $('login').hidden = false;
  $('login-error').textContent = error;
  $('password').focus();
}

// Why a log-in was refused, in the page's words.
function loginRefusal({ status, data, wait }) {
  if (status === 401) return said().wrongPassword;
  if (status === 429) return said().wait.replace('%1', wait || '?');
  if (status === 503) return said().busy;
  return data.error || said().error + status;
}

async function showPanel() {
  todayMark = ringsMark = null;
  $('login').hidden = true;
  $('panel').hidden = false;
  $('views').hidden = false;
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
  $('state').textContent = said()[data.state.toLowerCase()] || data.state;
  $('state').className = 'big ' + data.state;
  $('problems').textContent = (data.problems || []).join('\n');
  $('day').textContent = data.day;
  $('next').textContent = data.next_bell || '—';
  $('next-sound').textContent = data.next_sound;
  $('hearing').textContent = data.hearing;
  $('start').disabled = data.state !== 'OFF';
  $('halt').disabled = data.state === 'OFF';
  const time = data.time_source;
  $('time-source').textContent = time.source === 'server'
    ? said().internetTime + time.text + ' (' + time.offset_ms + ' ms)' : said().pcClock;
  // Today's bells and the last rings only when their mark changed.
  if (data.today_mark !== todayMark) {
    const today = await call('GET', '/api/today');
    if (today.status !== 200) return;
    todayMark = today.data.today_mark;
    fill($('today'), today.data.bells, (bell) => bell.time + '  ' + bell.sound);
  }
  if (data.rings_mark !== ringsMark) {
    const rings = await call('GET', '/api/rings?limit=20');
    if (rings.status !== 200) return;
    ringsMark = data.rings_mark;
    fill($('rings'), rings.data.rings.reverse(),
         (r) => r.time.substring(11, 16) + ' ' + r.outcome + ' ' + r.sound + ' ' + r.reason);
  }
}

async function order(path, body) {
  const { status, data } = await call('POST', path, body);
  $('message').textContent = status === 200 ? '' : (data.error || said().error + status);
  await refresh();
}

document.addEventListener('DOMContentLoaded', async () => {
  $('login').addEventListener('submit', async (event) => {
    event.preventDefault();
    const answer = await call('POST', '/api/login', { password: $('password').value });
    $('password').value = '';
    if (answer.status !== 200) return showLogin(loginRefusal(answer));
    csrf = answer.data.csrf;
    showPanel();
  });
  $('logout').addEventListener('click', async () => {
    await call('POST', '/api/logout');
    showLogin('');
  });
  $('ring').addEventListener('click', () => order('/api/ring', { sound: $('sound').value }));
  $('stop').addEventListener('click', () => order('/api/stop'));
  $('start').addEventListener('click', () => order('/api/schedule/start'));
  // Stopping the schedule silences every bell until it is started again: asked first.
  $('halt').addEventListener('click', () => $('ask').showModal());
  $('ask-cancel').addEventListener('click', () => $('ask').close());
  $('ask-stop').addEventListener('click', () => {
    $('ask').close();
    order('/api/schedule/stop');
  });
  const session = await call('GET', '/api/session');
  if (session.status !== 200) return showLogin('');
  csrf = session.data.csrf;
  showPanel();
});
