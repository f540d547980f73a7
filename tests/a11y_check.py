# What a screen reader gets from the running program, read through the real
# accessibility stack (AT-SPI registry and bus, Qt's bridge) as Orca reads
# it. Prints "N passed, N failed"; exit 1 on any failure.
# usage: a11y_check.py X Y   (the main window's top-left corner on the screen)
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

X, Y = int(sys.argv[1]), int(sys.argv[2])
passed = failed = 0


def check(name, expected, actual):
    global passed, failed
    if expected == actual:
        passed += 1
    else:
        failed += 1
        print('FAIL: %s: got %r, expected %r' % (name, actual, expected), file=sys.stderr)


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == 'tintaro':
            return a
    return None


def every(o):
    yield o
    for i in range(o.childCount):
        child = o.getChildAtIndex(i)
        if child is not None:
            yield from every(child)


def find(root, name, role=None, within=None):
    for o in every(root):
        if o.name == name and (role is None or o.getRoleName() == role):
            if within is None or any(p.name == within for p in ancestors(o)):
                return o
    return None


def ancestors(o):
    p = o.parent
    while p is not None:
        yield p
        p = p.parent


def text(o):
    t = o.queryText()
    return t.getText(0, -1)


def actions(o):
    a = o.queryAction()
    return [a.getName(i) for i in range(a.nActions)]


def press(o, name='Press'):
    a = o.queryAction()
    a.doAction(actions(o).index(name))


root = None
for _ in range(200):  # 20 s at most: a busy machine takes its time
    root = app()
    if root is not None and root.childCount > 0:
        break
    time.sleep(0.1)
check('the program is on the accessibility bus', True, root is not None)
if root is None:
    sys.exit(1)
frame = root.getChildAtIndex(0)
check('main window: role', 'frame', frame.getRoleName())
check('main window: name', 'Tintaro by Tolvex', frame.name)
for name in ('Menu', 'Minimise', 'Close'):
    button = find(frame, name)
    check('%s: role' % name, 'push button', button.getRoleName())
    check('%s: can be pressed' % name, True, 'Press' in actions(button))
for group in ('Foreground Color', 'Background Color'):
    check('%s: a group' % group, 'panel', find(frame, group).getRoleName())
    check('%s: holds its From Screen' % group, 'push button', find(frame, 'From Screen', within=group).getRoleName())
fore = find(frame, 'Foreground colour', within='Foreground Color')
check('current colour: its text', '#FF0000, red', text(fore))
fav1 = find(frame, 'Favourite 1', within='Background Color')
check('favourite: a button', 'push button', fav1.getRoleName())
check('favourite: loads and stores', ['Press', 'Store'], actions(fav1)[:2])
check('favourite: its colour', '#000000, black', text(fav1))
check('hue bar: a value', 0.0, find(frame, 'Foreground hue bar').queryValue().currentValue)
copy = find(frame, 'Copy HTML', within='Foreground Color')
check('Copy HTML: a button', 'push button', copy.getRoleName())
unnamed = [o.getRoleName() for o in every(frame) if not o.name and o.getState().contains(pyatspi.STATE_SHOWING)]
check('nothing on the screen without a name', [], unnamed)

# Events: a typed colour is announced once, with its final value; a stored
# favourite once; pressing Copy HTML through AT-SPI copies as a click does.
heard = []


focused = []


def listen(event):
    if event.type.startswith('object:text-changed:insert'):
        heard.append((event.source.name, event.any_data))
    elif event.type.startswith('object:state-changed:focused') and event.detail1:
        focused.append(event.source.name)


def when(condition, then, limit=200):
    """Runs then once condition holds, polled every 0.1 s (20 s at most);
    the events keep arriving meanwhile."""
    def poll():
        nonlocal limit
        limit -= 1
        if condition() or limit <= 0:
            then()
            return False
        return True
    GLib.timeout_add(100, poll)


def typed():
    return any(n == 'Foreground colour' and t.startswith('#FF6348') for (n, t) in heard)


def act():
    subprocess.run(['xdotool', 'mousemove', str(X + 210), str(Y + 305), 'click', '1', 'key', 'ctrl+a',
                    'type', '#FF6348'], check=True)
    subprocess.run(['xdotool', 'key', 'Return'], check=True)
    when(typed, lambda: GLib.timeout_add(500, store))  # and a moment for a second, wrong announcement
    return False


def store():
    press(fav1, 'Store')  # the background's colour, black: stored in a favourite holding black
    press(find(frame, 'Favourite 2', within='Foreground Color'), 'Store')
    press(copy)
    # The favourites' grid from the keyboard: back from the HEX box to the
    # current colour, to the grid, then one favourite right.
    subprocess.run(['xdotool', 'mousemove', str(X + 210), str(Y + 239), 'click', '1', 'key', 'shift+Tab', 'shift+Tab', 'Right'],
                   check=True)
    when(lambda: 'Favourite 2' in focused and any(n == 'Favourite 2' for (n, t) in heard),
         lambda: GLib.timeout_add(500, done))
    return False


def done():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(listen, 'object:text-changed:insert', 'object:state-changed:focused')
GLib.timeout_add(100, act)
pyatspi.Registry.start()
colours = [t for (n, t) in heard if n == 'Foreground colour']
check('a typed colour: one announcement, the final colour', ['#FF6348, ~tomato'], colours)
check('a stored favourite: announced', ['#FF6348, ~tomato'], [t for (n, t) in heard if n == 'Favourite 2'])
check('a favourite stored with the colour it had: nothing to announce', [], [t for (n, t) in heard if n == 'Favourite 1'])
clip = subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True, text=True).stdout
check('Copy HTML pressed through AT-SPI', '#FF6348', clip)
check('arrows in the favourites move the focus to a favourite', 'Favourite 2', focused[-1] if focused else None)
print('%d passed, %d failed' % (passed, failed))
sys.exit(0 if failed == 0 else 1)
