'use strict';
// Emergency signals on the page: each order is given by holding its button
// for two seconds, so a slip on a phone gives none; while a signal sounds the
// page is red. Uses call() and $() of app.js.
const kHoldMs = 2000;

// A signal's name in the page's language: "All clear" is data-all-clear.
function signalName(name) {
  const key = name.toLowerCase().replace(/ (\w)/g, (all, first) => first.toUpperCase());
  return $('alarm-card').dataset[key] || name;
}

async function showAlarm() {
  if ($('panel').hidden) return;
  const { status, data } = await call('GET', '/api/status');
  if (status !== 200) return;
  const active = data.alarm || '';
  document.body.classList.toggle('alarm', active !== '');
  $('alarm-state').textContent = active ? signalName(active).toUpperCase() : '—';
  $('alarm-clear').disabled = active === '';
  $('alarm-broker').textContent = data.broker || '';
}

// Held down for kHoldMs: the order. Let go sooner: nothing.
function holdToConfirm(button, give) {
  let timer = 0;
  const cancel = () => {
    clearTimeout(timer);
    button.classList.remove('holding');
  };
  button.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    button.classList.add('holding');
    timer = setTimeout(async () => {
      button.classList.remove('holding');
      const answer = await give();
      $('alarm-message').textContent = answer.status === 200 ? ''
        : (answer.data.error || said().error + answer.status);
      showAlarm();
    }, kHoldMs);
  });
  for (const end of ['pointerup', 'pointerleave', 'pointercancel']) button.addEventListener(end, cancel);
  button.addEventListener('contextmenu', (event) => event.preventDefault());
}

document.addEventListener('DOMContentLoaded', () => {
  for (const button of document.querySelectorAll('[data-alarm]'))
    holdToConfirm(button, () => call('POST', '/api/alarm', { alarm: button.dataset.alarm }));
  holdToConfirm($('alarm-clear'), () => call('POST', '/api/all-clear'));
  setInterval(showAlarm, 1000);
});
