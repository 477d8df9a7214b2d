'use strict';
// Say now: words typed here are spoken at once on the bells' outputs. The
// session's token is asked for afresh each time, so this stands on its own.
(() => {
  const form = document.getElementById('say-form');
  const text = document.getElementById('say-text');
  const message = document.getElementById('say-message');
  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    message.textContent = '';
    const options = { credentials: 'same-origin' };
    const session = await fetch('/api/session', options);
    const csrf = session.ok ? (await session.json()).csrf : '';
    const response = await fetch('/api/say', {
      ...options,
      method: 'POST',
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf },
      body: JSON.stringify({ text: text.value }),
    });
    let data = {};
    try { data = await response.json(); } catch (e) { /* not JSON */ }
    if (response.ok) text.value = '';
    else message.textContent = data.error || String(response.status);
  });
})();
