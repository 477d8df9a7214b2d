#!/usr/bin/env python3
"""The web page in headless Chromium, driven over its DevTools pipe: log in,
start the schedule, edit a weekday's list, at a phone's and a desktop's width,
with axe-core (AXE, installed by scripts/test) over every view. Screenshots
are left in OUTDIR for a look."""
import base64, json, os, re, socket, subprocess, sys, tempfile, time, wave

tollix_exe, outdir, axe_file = sys.argv[1], sys.argv[2], sys.argv[3]
with open(axe_file) as f:
    axe_source = f.read()
os.makedirs(outdir, exist_ok=True)
home = tempfile.mkdtemp(prefix='tollix-page-')
program = os.path.join(home, 'tollix')
for folder in ('tollix/data', 'tollix/sound', 'run'):
    os.makedirs(os.path.join(home, folder), mode=0o700)
with wave.open(os.path.join(program, 'sound', 'bell.wav'), 'wb') as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000); w.writeframes(b'\0\0' * 800)
def write(name, text):
    with open(os.path.join(program, 'data', name), 'w') as f:
        f.write(text)
write('mdata.ini', ''.join('23hr %02dmin/bell.wav\n' % m for m in range(40, 52)))  # 12 bells
with socket.socket() as s:
    s.bind(('127.0.0.1', 0)); port = s.getsockname()[1]
write('web.ini', '%d\n' % port)
env = dict(os.environ, XDG_DATA_HOME=home, XDG_STATE_HOME=home + '/state',
           XDG_CONFIG_HOME=home + '/config', XDG_RUNTIME_DIR=home + '/run',
           QT_QPA_PLATFORM='offscreen')
env.pop('DISPLAY', None)
subprocess.run([tollix_exe, '--web-password'], input=b'right long\n', env=env, check=True)
# Manual week list, as "Manual input" with "Apply week" would store it.
write('data.ini', ' 0 \n-1 \n 2 \n 1 \n 0 \n 1 \n 0 \n 0 \n')
tollix = subprocess.Popen([tollix_exe], env=env, stderr=subprocess.DEVNULL)
failures = []
browser = None
try:
    for _ in range(100):
        try:
            socket.create_connection(('127.0.0.1', port), 0.2).close(); break
        except OSError:
            time.sleep(0.1)
    to_browser_r, to_browser_w = os.pipe()
    from_browser_r, from_browser_w = os.pipe()
    browser = subprocess.Popen(
        ['chromium', '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
         '--remote-debugging-pipe', '--user-data-dir=' + os.path.join(home, 'chromium'),
         'about:blank'],
        pass_fds=(3, 4, to_browser_r, from_browser_w), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        preexec_fn=lambda: (os.dup2(to_browser_r, 13), os.dup2(from_browser_w, 14),
                            os.dup2(13, 3), os.dup2(14, 4)))
    os.close(to_browser_r); os.close(from_browser_w)
    writer, reader = os.fdopen(to_browser_w, 'wb'), os.fdopen(from_browser_r, 'rb')
    ids, events, buffer = [0], [], [b'']

    def call(method, session=None, **params):
        ids[0] += 1
        message = {'id': ids[0], 'method': method, 'params': params}
        if session:
            message['sessionId'] = session
        writer.write(json.dumps(message).encode() + b'\0'); writer.flush()
        while True:
            while b'\0' not in buffer[0]:
                chunk = os.read(reader.fileno(), 65536)
                if not chunk:
                    raise RuntimeError('Chromium ended')
                buffer[0] += chunk
            raw, buffer[0] = buffer[0].split(b'\0', 1)
            answer = json.loads(raw)
            if answer.get('id') == ids[0]:
                if 'error' in answer:
                    raise RuntimeError(method + ': ' + str(answer['error']))
                return answer['result']
            events.append(answer)

    def open_tab():
        target = call('Target.createTarget', url='about:blank')['targetId']
        session = call('Target.attachToTarget', targetId=target, flatten=True)['sessionId']
        call('Runtime.enable', session)
        call('Log.enable', session)
        return session

    def evaluate(expression):
        return call('Runtime.evaluate', page, expression=expression, awaitPromise=True,
                    returnByValue=True)['result'].get('value')

    def wait_for(expression, what):  # a first Chromium on a busy machine is slow
        for _ in range(300):
            if evaluate(expression):
                return True
            time.sleep(0.1)
        failures.append('never: ' + what)
        return False

    def accessible(view):  # serious and critical violations only
        evaluate(axe_source)
        found = evaluate("""axe.run(document, {resultTypes: ['violations']}).then((r) =>
            r.violations.filter((v) => ['serious', 'critical'].includes(v.impact))
             .map((v) => v.id + ' at ' + v.nodes.map((n) => n.target.join(' ')).join(', ')))""")
        if found is None:
            failures.append(view + ': axe-core did not run')
        failures.extend(view + ': ' + violation for violation in found or [])

    def shoot(name):
        shot = call('Page.captureScreenshot', page, format='png', captureBeyondViewport=True)
        with open(os.path.join(outdir, name + '.png'), 'wb') as f:
            f.write(base64.b64decode(shot['data']))

    url = 'http://127.0.0.1:%d/' % port
    for name, width, height, mobile in (('phone', 390, 844, True), ('desktop', 1280, 800, False)):
        page = open_tab()
        call('Emulation.setDeviceMetricsOverride', page, width=width, height=height,
             deviceScaleFactor=1, mobile=mobile)
        call('Page.navigate', page, url=url)
        if wait_for("$('login')?.hidden === false", name + ' login form'):
            accessible(name + ' log-in')
            if evaluate("$('password').type") != 'password':
                failures.append(name + ': the password field shows what is typed')
            evaluate("$('password').value = 'right long'; $('login').requestSubmit()")
        wait_for("$('state').textContent === 'OFF'", name + ' state OFF')
        evaluate("$('start').click()")
        wait_for("$('state').textContent === 'ON' && $('today').querySelectorAll('li').length === 12"
                 " && $('rings').querySelector('li') !== null", name + ' started with its bells')
        c = evaluate("""(() => {
            const r = (id) => $(id).getBoundingClientRect();
            return {
              scroll: document.documentElement.scrollWidth,
              button: r('ring').height,
              sideBySide: r('state').top === r('next').top,
              cookie: document.cookie,
              number: (() => {  // room for the widest number a day can have
                const l = $('today'), s = getComputedStyle(l), p = document.createElement('span');
                p.textContent = '1440.'; const w = l.appendChild(p).offsetWidth; p.remove();
                return s.listStylePosition === 'inside' || parseFloat(s.paddingLeft) >= w; })(),
            };})()""")
        if not c:
            failures.append(name + ': the page never came')
            continue
        failures += [name + ': ' + what for bad, what in (
            (c['scroll'] > width, 'wider than the screen (%d px)' % c['scroll']),
            (c['button'] < 44, 'a button only %d px high' % c['button']),
            (c['sideBySide'] == mobile, 'the state and the next bell are laid out wrongly'),
            ('tollix_session' in c['cookie'], 'the session cookie is readable by scripts'),
            (not c['number'], 'the numbers of the list are clipped')) if bad]
        shoot(name)
        accessible(name + ' bells')
        # A weekday's list edited through the page: set each day, a weekday
        # (Monday = 1), two bells added, the first changed, the second deleted.
        day = 2 if mobile else 3
        evaluate("document.querySelector('[data-view=editor]').click()")
        if wait_for("$('list-day').options.length > 1 && !$('manual').hidden", name + ' editor'):
            accessible(name + ' manual input')
            evaluate("document.querySelector('input[name=apply][value=each]').click()")
            wait_for("$('list-day').value === 'd1'", name + ' set each day')
            evaluate("$('list-day').value = 'd%d'; $('list-day').dispatchEvent(new Event('change'))"
                     % day)
            for at in ('12:00', '07:45'):
                evaluate("$('new-time').value = '%s'; $('add-bell').click()" % at)
                wait_for("$('new-time').value === ''", name + ' bell added at ' + at)
            wait_for("$('bells').children.length === 2", name + ' two bells')
            evaluate("(() => { $('edit-message').textContent = '';"
                     " const t = $('bells').querySelector('input'); t.value = '07:50';"
                     " t.dispatchEvent(new Event('change')); })()")
            wait_for("$('edit-message').textContent !== ''", name + ' bell changed')
            evaluate("$('bells').children[1].querySelector('button').click()")
            wait_for("$('bells').children.length === 1", name + ' bell deleted')
            with open(os.path.join(program, 'data', 'mdata_%d.ini' % (day + 1))) as f:
                if [l.strip() for l in f.read().splitlines()][1:] != ['07hr 50min/bell.wav']:
                    failures.append(name + ': the weekday\'s file does not hold the edited list')
            shoot(name + '-editor')
            if evaluate("document.documentElement.scrollWidth") > width:
                failures.append(name + ': the editor is wider than the screen')
            # A setting and a holiday through the page.
            evaluate("$('edit-message').textContent = ''; $('s-clock').value = '-1.5';"
                     " $('s-signal-0-sound').value = 'bell.wav'; $('s-signal-0-repeat').value = '45';"
                     " $('settings-save').click()")
            wait_for("$('edit-message').textContent !== ''", name + ' settings saved')
            with open(os.path.join(program, 'data', 'clock.ini')) as f:
                if f.read() != '-1.5\n':
                    failures.append(name + ': the school clock was not saved')
            with open(os.path.join(program, 'data', 'alarms.ini')) as f:
                if 'Lockdown = bell.wav; repeat=45' not in f.read():
                    failures.append(name + ': the Lockdown signal was not saved')
            evaluate("$('h-from').value = '2027-0%d-01'; $('h-name').value = 'Fair'; $('h-add').click()"
                     % day)
            wait_for("$('rules').textContent.includes('2027-0%d-01 Fair')" % day, name + ' holiday')
            evaluate("document.querySelector('input[name=mode][value=auto]').click()")
            if wait_for("!$('auto').hidden && $('a-work').value !== ''", name + ' auto interval'):
                accessible(name + ' auto interval')
                shoot(name + '-auto')
            evaluate("document.querySelector('input[name=mode][value=manual]').click()")
            wait_for("!$('manual').hidden", name + ' manual input again')
            evaluate("document.querySelector('input[name=apply][value=week]').click()")
            wait_for("$('list-day').value === 'week'", name + ' apply week again')
            evaluate("document.querySelector('[data-view=panel]').click()")
        evaluate("$('halt').click()")
        if not evaluate("$('ask').open && ($('ask-stop').click(), true)"):  # asked, then stopped
            failures.append(name + ': the schedule stops without asking')
        wait_for("$('state').textContent === 'OFF'", name + ' stopped')
        evaluate("$('logout').click()")
        wait_for("!$('login').hidden", name + ' logged out')
    for _ in range(6):  # refused log-ins say why, and the lock-out how long it lasts
        evaluate("$('login-error').textContent = ''; $('password').value = 'wrong';"
                 "$('login').requestSubmit()")
        wait_for("$('login-error').textContent", 'a refusal')
    if not evaluate("/^Too many failed log-ins: wait [1-9][0-9]* s$/.test($('login-error').textContent)"):
        failures.append('the lock-out does not say how long it lasts')
    # Content blocked by the page's policy, or scripts that failed, are said here.
    for event in events:
        params, method = event.get('params', {}), event.get('method')
        entry = params.get('entry') or params.get('exceptionDetails') or {}
        text = entry.get('text', '')  # refused log-ins and asks (401, 429) are expected
        if (method == 'Runtime.exceptionThrown' or method == 'Log.entryAdded' and
                entry.get('level') == 'error') and not re.search('status of (401|429)', text):
            failures.append('browser: ' + text + ' ' + json.dumps(entry)[:400])
finally:
    if browser:
        browser.kill(); browser.wait()
    tollix.terminate(); tollix.wait(10)

for failure in failures:
    print('FAIL', failure)
print('screenshots in', outdir)
sys.exit(1 if failures else 0)
