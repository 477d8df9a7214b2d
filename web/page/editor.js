'use strict';
// The schedule editor. Every edit is sent at once, as the window saves it,
// with the version it was made on: when someone else changed the schedule
// meanwhile the server refuses and the page shows the schedule as it is now.
(() => {
  const $ = (id) => document.getElementById(id);
  const words = () => $('editor').dataset;
  let schedule = null;
  let sounds = [];

  // Monday = 1 .. Sunday = 7, in the page's language.
  const weekday = (n) => new Intl.DateTimeFormat(document.documentElement.lang || 'en',
    { weekday: 'long', timeZone: 'UTC' }).format(new Date(Date.UTC(2024, 0, n)));

  async function send(part) {
    const response = await fetch('/api/schedule', {
      method: 'PUT', credentials: 'same-origin', body: JSON.stringify(part),
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf,
                 'If-Match': schedule.version },
    });
    let data = {};
    try { data = await response.json(); } catch (e) { /* not JSON */ }
    const message = $('edit-message');
    message.className = response.status === 200 ? 'note' : 'error';
    if (response.status === 200 || response.status === 409) schedule = data;
    message.textContent = response.status === 200 ? words().saved
      : response.status === 409 ? words().stale : (data.error || said().error + response.status);
    draw();
    return response.status === 200;
  }

  function option(value, text) { return new Option(text, value); }

  function soundSelect(select, chosen, blank) {
    const names = sounds.includes(chosen) || !chosen ? sounds : [chosen].concat(sounds);
    select.replaceChildren(...(blank ? [option('', words().none)] : []),
      ...names.map((name) => option(name, name)));
    select.value = chosen || (blank ? '' : names[0] || '');
  }

  function fillChoice(select, choices) {
    const kept = select.value;
    select.replaceChildren(...choices.map(([value, text]) => option(value, text)));
    if (choices.some(([value]) => value === kept)) select.value = kept;
  }

  // The list the selector stands on: "week", "d1".."d7" or "t1".."t6".
  function listOf(key) {
    if (key === 'week') return schedule.week;
    if (key[0] === 'd') return schedule.days[key.slice(1)].bells;
    return schedule.templates[key.slice(1)];
  }

  function partFor(key, bells) {
    if (key === 'week') return { week: bells };
    if (key[0] === 'd') return { days: { [key.slice(1)]: { bells } } };
    return { templates: { [key.slice(1)]: bells } };
  }

  function drawList() {
    const key = $('list-day').value;
    const bells = listOf(key);
    $('no-rings-row').hidden = key[0] !== 'd';
    if (key[0] === 'd') $('no-rings').checked = schedule.days[key.slice(1)].noRings;
    $('bells').replaceChildren(...bells.map((bell, index) => {
      const li = document.createElement('li');
      const time = document.createElement('input');
      // A 24-hour clock, as the window's, whatever the browser's own.
      time.type = 'text'; time.inputMode = 'numeric'; time.maxLength = 5;
      time.pattern = '[0-2]?[0-9]:[0-5][0-9]'; time.value = bell.time; time.required = true;
      time.setAttribute('aria-label', words().time + ' ' + (index + 1));
      const sound = document.createElement('select');
      sound.setAttribute('aria-label', words().sound + ' ' + (index + 1));
      soundSelect(sound, bell.sound, false);
      const remove = document.createElement('button');
      remove.type = 'button'; remove.className = 'warn'; remove.textContent = words().delete;
      remove.setAttribute('aria-label', words().delete + ' ' + bell.time);
      const changed = () => send(partFor(key, bells.map((b, i) => (i === index
        ? { time: time.value, sound: sound.value } : b))));
      time.addEventListener('change', changed);
      sound.addEventListener('change', changed);
      remove.addEventListener('click', () => send(partFor(key, bells.filter((b, i) => i !== index))));
      li.append(time, sound, remove);
      return li;
    }));
    soundSelect($('new-sound'), $('new-sound').value, false);
  }

  function drawAuto() {
    const key = $('auto-day').value;
    const a = key === 'week' ? schedule.auto.week : schedule.auto.days[key.slice(1)];
    $('a-start').value = a.start; $('a-end').value = a.end;
    $('a-work').value = a.work; $('a-rest').value = a.rest;
    soundSelect($('a-work-sound'), a.workSound, true);
    soundSelect($('a-rest-sound'), a.restSound, true);
    $('a-after-on').checked = a.afterStart.on; $('a-after-min').value = a.afterStart.minutes;
    soundSelect($('a-after-sound'), a.afterStart.sound, true);
    $('a-before-on').checked = a.beforeEnd.on; $('a-before-min').value = a.beforeEnd.minutes;
    soundSelect($('a-before-sound'), a.beforeEnd.sound, true);
    $('a-no-rings-row').hidden = key === 'week';
    $('a-no-rings').checked = key !== 'week' && a.noRings;
  }

  function draw() {
    if (!schedule) return;
    document.querySelectorAll('input[name=mode]').forEach((r) => { r.checked = r.value === schedule.mode; });
    document.querySelectorAll('input[name=apply]').forEach((r) => { r.checked = r.value === schedule.applyDay; });
    const week = schedule.applyDay === 'week';
    const days = [1, 2, 3, 4, 5, 6, 7].map((n) => ['d' + n, weekday(n)]);
    const templets = [1, 2, 3, 4, 5, 6].map((n) => ['t' + n, words().templet.replace('%1', n)]);
    fillChoice($('list-day'), (week ? [['week', words().allDays]] : days).concat(templets));
    fillChoice($('auto-day'), week ? [['week', words().allDays]] : days);
    $('manual').hidden = schedule.mode !== 'manual';
    $('auto').hidden = schedule.mode !== 'auto';
    drawList();
    drawAuto();
  }

  // Every change of the sound folder is answered with the list as it is now.
  async function soundOrder(method, path, body, headers) {
    const response = await fetch(path, {
      method, credentials: 'same-origin', body,
      headers: Object.assign({ 'X-CSRF-Token': csrf }, headers || {}),
    });
    let data = {};
    try { data = await response.json(); } catch (e) { /* not JSON */ }
    const message = $('edit-message');
    message.className = response.status === 200 ? 'note' : 'error';
    message.textContent = response.status === 200 ? '' : (data.error || said().error + response.status);
    if (method !== 'POST' || path === '/api/sounds') await load();
  }

  function drawSounds() {
    $('sound-list').replaceChildren(...sounds.map((name) => {
      const li = document.createElement('li');
      const text = document.createElement('span');
      text.textContent = name;
      const play = document.createElement('button');
      play.type = 'button'; play.textContent = words().play;
      play.setAttribute('aria-label', words().play + ' ' + name);
      play.addEventListener('click', () => soundOrder('POST', '/api/sounds/try',
        JSON.stringify({ sound: name }), { 'Content-Type': 'application/json' }));
      const remove = document.createElement('button');
      remove.type = 'button'; remove.className = 'warn'; remove.textContent = words().delete;
      remove.setAttribute('aria-label', words().delete + ' ' + name);
      remove.addEventListener('click', () => soundOrder('DELETE',
        '/api/sounds/' + encodeURIComponent(name)));
      li.append(text, play, remove);
      return li;
    }));
  }

  // The settings beside the schedule, sent whole with the version they were read at.
  let settings = null;
  function drawSettings() {
    $('s-outputs').value = settings.outputs.join('\n');
    $('s-clock').value = settings.schoolClockSeconds;
    $('s-internet').checked = settings.internetTime;
    $('s-silence').checked = settings.noComSound;
    $('s-auto').checked = settings.autoExecution;
    // Under the bell service there is no start at log-on to set.
    $('s-auto').disabled = Boolean(settings.autoExecutionNote);
    $('s-auto-note').textContent = settings.autoExecutionNote || '';
    $('s-auto-note').hidden = !settings.autoExecutionNote;
    $('s-exit').checked = settings.reservedExit.on;
    $('s-exit-time').value = settings.reservedExit.time;
    drawSignals();
  }

  // A row a signal: its sound and how often it sounds again; All clear plays once.
  function drawSignals() {
    const alarms = settings.alarms || { signals: [], choices: [] };
    $('s-signals').replaceChildren(...alarms.signals.map((signal, index) => {
      const set = document.createElement('fieldset');
      set.className = 'signal';
      const legend = document.createElement('legend');
      legend.textContent = signalName(signal.name);
      const field = (text, input) => {
        input.id = 's-signal-' + index + '-' + input.dataset.part;
        const label = document.createElement('label');
        label.htmlFor = input.id; label.textContent = text;
        const cell = document.createElement('div');
        cell.append(label, input);
        return cell;
      };
      const sound = document.createElement('select');
      sound.dataset.part = 'sound';
      const names = alarms.choices.includes(signal.sound) ? alarms.choices
        : [signal.sound].concat(alarms.choices);
      sound.replaceChildren(...names.map((name) => option(name, name)));
      sound.value = signal.sound;
      set.append(legend, field(words().sound, sound));
      if (signal.name !== 'All clear') {
        const repeat = document.createElement('input');
        repeat.dataset.part = 'repeat';
        repeat.type = 'number'; repeat.min = 0; repeat.max = 3600; repeat.step = 1;
        repeat.inputMode = 'numeric'; repeat.value = signal.repeat;
        set.append(field($('settings').dataset.repeat, repeat));
      }
      return set;
    }));
  }

  function signalsPart() {
    return settings.alarms.signals.map((signal, index) => {
      const repeat = $('s-signal-' + index + '-repeat');
      return { name: signal.name, sound: $('s-signal-' + index + '-sound').value,
               repeat: repeat ? Number(repeat.value) : signal.repeat };
    });
  }

  async function saveSettings() {
    const part = {
      outputs: $('s-outputs').value.split('\n').map((l) => l.trim()).filter((l) => l),
      schoolClockSeconds: Number($('s-clock').value),
      internetTime: $('s-internet').checked, noComSound: $('s-silence').checked,
      autoExecution: $('s-auto').checked,
      reservedExit: { on: $('s-exit').checked, time: $('s-exit-time').value },
    };
    if (settings.alarms) part.alarms = { signals: signalsPart() };
    const response = await fetch('/api/settings', {
      method: 'PUT', credentials: 'same-origin', body: JSON.stringify(part),
      headers: { 'Content-Type': 'application/json', 'X-CSRF-Token': csrf,
                 'If-Match': settings.version },
    });
    let data = {};
    try { data = await response.json(); } catch (e) { /* not JSON */ }
    if (response.status === 200 || response.status === 409) settings = data;
    const message = $('edit-message');
    message.className = response.status === 200 ? 'note' : 'error';
    message.textContent = response.status === 200 ? words().saved
      : response.status === 409 ? words().stale : (data.error || said().error + response.status);
    drawSettings();
  }

  // Holidays: the rules, one added or deleted, a calendar file imported after its preview.
  async function holidayOrder(path, body, headers) {
    const response = await fetch(path, {
      method: 'POST', credentials: 'same-origin', body,
      headers: Object.assign({ 'X-CSRF-Token': csrf }, headers || {}),
    });
    let data = {};
    try { data = await response.json(); } catch (e) { /* not JSON */ }
    const message = $('edit-message');
    message.className = response.status === 200 ? 'note' : 'error';
    message.textContent = response.status === 200 ? words().saved : (data.error || said().error + response.status);
    return { status: response.status, data };
  }

  function drawHolidays(rules) {
    $('rules').replaceChildren(...rules.map((rule) => {
      const li = document.createElement('li');
      const text = document.createElement('span');
      text.textContent = rule.line;
      const remove = document.createElement('button');
      remove.type = 'button'; remove.className = 'warn'; remove.textContent = words().delete;
      remove.setAttribute('aria-label', words().delete + ' ' + rule.line);
      remove.addEventListener('click', async () => {
        const answer = await holidayOrder('/api/holidays/remove', JSON.stringify({ line: rule.line }),
          { 'Content-Type': 'application/json' });
        if (answer.status === 200) drawHolidays(answer.data.rules);
      });
      li.append(text, remove);
      return li;
    }));
    const kinds = [['', words().noBells]]
      .concat([1, 2, 3, 4, 5, 6, 7].map((n) => ['d' + n, words().bellsOf.replace('%1', weekday(n))]))
      .concat([1, 2, 3, 4, 5, 6].map((n) => ['t' + n, words().bellsOf.replace('%1', words().templet.replace('%1', n))]));
    fillChoice($('h-kind'), kinds);
  }

  async function addHoliday() {
    if (!$('h-from').reportValidity()) return;
    const rule = { from: $('h-from').value, to: $('h-to').value, name: $('h-name').value };
    const kind = $('h-kind').value;
    if (kind[0] === 'd') rule.makeUp = Number(kind.slice(1));
    if (kind[0] === 't') rule.templet = Number(kind.slice(1));
    const answer = await holidayOrder('/api/holidays', JSON.stringify(rule), { 'Content-Type': 'application/json' });
    if (answer.status === 200) { drawHolidays(answer.data.rules); $('h-name').value = ''; }
  }

  // The preview first; a calendar of school days says so, and needs a second yes.
  async function importCalendar(confirm) {
    const file = $('h-file').files[0];
    if (!file) return;
    const data = await file.arrayBuffer();
    const headers = confirm ? { 'X-Confirm': 'yes' } : {};
    if (confirm && $('h-confirm').dataset.termDates === 'true') headers['X-Term-Dates'] = 'yes';
    const answer = await holidayOrder('/api/holidays/import', data, headers);
    if (answer.status !== 200) return;
    if (!confirm) {
      $('h-preview').textContent = answer.data.preview;
      $('h-preview').hidden = false;
      const guard = $('holidays').dataset;
      $('h-confirm').textContent = answer.data.termDates ? guard.importAnyway : guard.import;
      $('h-confirm').className = answer.data.termDates ? 'warn' : '';
      $('h-confirm').dataset.termDates = String(answer.data.termDates);
      $('h-confirm').hidden = false;
      $('edit-message').textContent = '';
      return;
    }
    $('h-preview').hidden = true; $('h-confirm').hidden = true; $('h-file').value = '';
    const rules = await fetch('/api/holidays', { credentials: 'same-origin' });
    if (rules.status === 200) drawHolidays((await rules.json()).rules);
  }

  async function load() {
    const holidays = await fetch('/api/holidays', { credentials: 'same-origin' });
    if (holidays.status === 200) drawHolidays((await holidays.json()).rules);
    const got = await fetch('/api/settings', { credentials: 'same-origin' });
    if (got.status === 200) {
      settings = await got.json();
      drawSettings();
    }
    await loadSchedule();
  }

  async function loadSchedule() {
    const [got, list] = await Promise.all([
      fetch('/api/schedule', { credentials: 'same-origin' }),
      fetch('/api/sounds', { credentials: 'same-origin' })]);
    if (got.status !== 200 || list.status !== 200) return;
    schedule = await got.json();
    const names = await list.json();
    sounds = (names.sounds || []).concat(names.music || []);
    draw();
    drawSounds();
  }

  function show(view) {
    document.querySelectorAll('#views button').forEach((b) => {
      b.setAttribute('aria-pressed', String(b.dataset.view === view));
    });
    $('panel').hidden = view !== 'panel';
    $('editor').hidden = view !== 'editor';
    if (view === 'editor') load();
  }

  function autoPart() {
    const number = (id) => (($(id).value === '') ? -1 : Number($(id).value));
    const a = {
      start: $('a-start').value, end: $('a-end').value,
      work: number('a-work'), rest: number('a-rest'),
      workSound: $('a-work-sound').value, restSound: $('a-rest-sound').value,
      afterStart: { on: $('a-after-on').checked, minutes: number('a-after-min'),
                    sound: $('a-after-sound').value },
      beforeEnd: { on: $('a-before-on').checked, minutes: number('a-before-min'),
                   sound: $('a-before-sound').value },
    };
    const key = $('auto-day').value;
    if (key === 'week') return { auto: { week: a } };
    a.noRings = $('a-no-rings').checked;
    return { auto: { days: { [key.slice(1)]: a } } };
  }

  document.addEventListener('DOMContentLoaded', () => {
    document.querySelectorAll('#views button').forEach((b) => {
      b.addEventListener('click', () => show(b.dataset.view));
    });
    document.querySelectorAll('input[name=mode]').forEach((r) => {
      r.addEventListener('change', () => send({ mode: r.value }));
    });
    document.querySelectorAll('input[name=apply]').forEach((r) => {
      r.addEventListener('change', () => send({ applyDay: r.value }));
    });
    $('list-day').addEventListener('change', drawList);
    $('auto-day').addEventListener('change', drawAuto);
    $('no-rings').addEventListener('change', () => send(
      { days: { [$('list-day').value.slice(1)]: { noRings: $('no-rings').checked } } }));
    $('add-bell').addEventListener('click', async () => {
      if (!$('new-time').reportValidity()) return;
      const key = $('list-day').value;
      if (await send(partFor(key, listOf(key).concat(
        [{ time: $('new-time').value, sound: $('new-sound').value }])))) $('new-time').value = '';
    });
    $('copy-days').replaceChildren(...[1, 2, 3, 4, 5, 6, 7].map((n) => {
      const label = document.createElement('label');
      label.className = 'check';
      const box = document.createElement('input');
      box.type = 'checkbox'; box.value = n;
      const text = document.createElement('span');
      text.textContent = weekday(n);
      label.append(box, text);
      return label;
    }));
    // The list on screen becomes each ticked weekday's, its "No rings" kept.
    $('copy-go').addEventListener('click', async () => {
      const bells = listOf($('list-day').value);
      const days = {};
      $('copy-days').querySelectorAll('input:checked').forEach((box) => { days[box.value] = { bells }; });
      if (Object.keys(days).length && await send({ days })) {
        $('edit-message').textContent = words().copied;
        $('copy-days').querySelectorAll('input').forEach((box) => { box.checked = false; });
      }
    });
    $('auto-save').addEventListener('click', () => send(autoPart()));
    $('settings-save').addEventListener('click', saveSettings);
    $('h-add').addEventListener('click', addHoliday);
    $('h-file').addEventListener('change', () => importCalendar(false));
    $('h-confirm').addEventListener('click', () => importCalendar(true));
    $('sound-file').addEventListener('change', async () => {
      const file = $('sound-file').files[0];
      if (!file) return;
      await soundOrder('POST', '/api/sounds', file, { 'X-File-Name': encodeURIComponent(file.name) });
      $('sound-file').value = '';
    });
  });
})();
