#!/usr/bin/python3
"""The main window as a screen reader finds it through AT-SPI, on the private
session bus of dbus-run-session and a screen of Xvfb: each menu label is a push
button with a key of its own, its action opens its window, and no control that
takes the focus is without a name, in the main window and in "Holidays"."""
import os, subprocess, sys, tempfile, time
import pyatspi

home = tempfile.mkdtemp(prefix='tollix-atspi-')
for folder in ('run', 'config', 'state'):
    os.makedirs(os.path.join(home, folder), mode=0o700)
shown, told = os.pipe()
xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(told), '-screen', '0', '1280x800x24',
                         '-nolisten', 'tcp'], pass_fds=(told,), stderr=subprocess.DEVNULL)
display = os.read(shown, 16).decode().strip()
env = dict(os.environ, DISPLAY=':' + display, QT_QPA_PLATFORM='xcb', LC_ALL='C.UTF-8',
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', XDG_DATA_HOME=home, XDG_RUNTIME_DIR=home + '/run',
           XDG_CONFIG_HOME=home + '/config', XDG_STATE_HOME=home + '/state')
env.pop('LANGUAGE', None)
tollix = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.DEVNULL)
LABELS = ('Play music list', 'Countdown next bell', 'Countdown', 'Help', 'Infomation', 'Holidays',
          'Web page', 'Outputs', 'Exit')


def window(name):
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            for top in (app if app and app.name == 'tollix' else []):
                if top.name == name and top.getState().contains(pyatspi.STATE_VISIBLE):
                    return top
        time.sleep(0.1)
    sys.exit('no window ' + name)


def controls(top):
    found, stack = [], [top]
    while stack:
        node = stack.pop()
        states = node.getState()
        if states.contains(pyatspi.STATE_VISIBLE):
            found.append(node)
            stack.extend(child for child in node if child)
    return found


failures = []
try:
    window('TOLLIX')
    time.sleep(1)  # the start-up settles
    main = controls(window('TOLLIX'))
    buttons = {node.name: node for node in main if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    keys = set()
    enabled = 0
    for label in LABELS:
        if label not in buttons:
            failures.append(label + ': no push button')
        elif buttons[label].getState().contains(pyatspi.STATE_ENABLED):
            enabled += 1  # disabled, it offers no action
            action = buttons[label].queryAction()
            keys.add(action.getKeyBinding(0) if action.nActions else '')
    if '' in keys or len(keys) != enabled:
        failures.append('keys missing or shared: %s' % sorted(keys))
    shown = main
    if 'Holidays' in buttons:
        buttons['Holidays'].queryAction().doAction(0)
        shown = main + controls(window('Holidays'))
    for node in shown:
        if node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            failures.append('unnamed %s in %s' % (node.getRoleName(), node.parent.name))
finally:
    tollix.terminate()
    tollix.wait()
    xvfb.terminate()
    subprocess.run(['rm', '-rf', home])
print('\n'.join(failures) or 'every control named')
sys.exit(1 if failures else 0)
