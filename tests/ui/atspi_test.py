#!/usr/bin/python3
"""Each menu label a push button with a key of its own whose action opens its
window; no control in the main window or "Holidays" takes the focus unnamed."""
import os, shutil, subprocess, sys, tempfile, time
import pyatspi

home = tempfile.mkdtemp(prefix='tollix-atspi-')
os.makedirs(home + '/run', mode=0o700)
shown, told = os.pipe()
xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(told), '-nolisten', 'tcp'], pass_fds=(told,),
                        stderr=subprocess.DEVNULL)
env = dict(os.environ, DISPLAY=':' + os.read(shown, 16).decode().strip(), QT_QPA_PLATFORM='xcb',
           LC_ALL='C.UTF-8', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', XDG_DATA_HOME=home,
           XDG_RUNTIME_DIR=home + '/run', XDG_CONFIG_HOME=home, XDG_STATE_HOME=home)
env.pop('LANGUAGE', None)
tollix = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.DEVNULL)


def controls(name):
    for _ in range(150):
        found, stack = [], [top for app in pyatspi.Registry.getDesktop(0) if app and
                            app.name == 'tollix' for top in app if top.name == name]
        while stack:  # what is on screen
            node = stack.pop()
            if node.getState().contains(pyatspi.STATE_VISIBLE):
                found.append(node)
                stack.extend(child for child in node if child)
        if found:
            return found
        time.sleep(0.1)
    sys.exit('no window ' + name)


failures = []
try:
    controls('TOLLIX')
    time.sleep(1)  # the start-up settles
    shown = controls('TOLLIX')
    buttons = {node.name: node for node in shown if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    keys = {}
    for label in ('Play music list', 'Countdown next bell', 'Countdown', 'Help', 'Infomation',
                  'Holidays', 'Web page', 'Outputs', 'Exit'):
        if label not in buttons:
            failures.append(label + ': no push button')
        elif buttons[label].getState().contains(pyatspi.STATE_ENABLED):  # disabled: no action
            action = buttons[label].queryAction()
            keys[label] = action.getKeyBinding(0) if action.nActions else ''
    if '' in keys.values() or len(set(keys.values())) != len(keys):
        failures.append('keys missing or shared: %s' % keys)
    if 'Holidays' in buttons:
        buttons['Holidays'].queryAction().doAction(0)
        shown += controls('Holidays')
    failures += ['unnamed %s in %s' % (node.getRoleName(), node.parent.name) for node in shown
                 if node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip()]
finally:
    tollix.terminate()
    tollix.wait()
    xvfb.terminate()
    shutil.rmtree(home, ignore_errors=True)
print('\n'.join(failures) or 'every control named')
sys.exit(1 if failures else 0)
