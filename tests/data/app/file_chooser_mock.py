'''A desktop file chooser stand-in that answers every OpenFile as told, a moment after the call.

Parameters: response (0 chosen, 1 cancelled; left out: never answers), uris (the file:// URIs
chosen), choices (the [id, value] pairs chosen).
Every OpenFile call is logged as "options <JSON>": its parent window, title and options, less
the request's token.
'''

import json

import dbus
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.FileChooser'
SYSTEM_BUS = False


def plain(value):
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (list, tuple)):
        return [plain(item) for item in value]
    if isinstance(value, dict):
        return {str(key): plain(item) for key, item in value.items()}
    if isinstance(value, (int, float)):
        return value
    return str(value)


def load(mock, parameters):
    mock.answer = dict(parameters)


@dbus.service.method(MAIN_IFACE, in_signature='ssa{sv}', out_signature='o',
                     sender_keyword='sender')
def OpenFile(self, parent_window, title, options, sender=None):
    sent = plain(options)
    token = sent.pop('handle_token', 't')
    self.log('options ' + json.dumps({'parent_window': str(parent_window), 'title': str(title),
                                      'options': sent}, sort_keys=True))
    handle = f'{MAIN_OBJ}/request/{sender[1:].replace(".", "_")}/{token}'
    answer = self.answer
    if 'response' in answer:
        results = dbus.Dictionary({
            'uris': dbus.Array(answer.get('uris', []), signature='s'),
            'choices': dbus.Array([dbus.Struct(pair, signature='ss')
                                   for pair in answer.get('choices', [])], signature='(ss)'),
        }, signature='sv')

        def respond():
            self.EmitSignalDetailed('org.freedesktop.portal.Request', 'Response', 'ua{sv}',
                                    [dbus.UInt32(answer['response']), results],
                                    {'path': handle})
            return False

        GLib.timeout_add(100, respond)
    return dbus.ObjectPath(handle)
