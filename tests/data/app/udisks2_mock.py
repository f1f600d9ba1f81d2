'''A UDisks2 stand-in: one mounted partition on one removable drive.

Parameters: mountPoint (the partition's mount point), canPowerOff, ejectable, refuseUnmount.
Every call of Unmount, PowerOff and Eject is logged as "call <object path> <method>".
'''

import dbus
from dbusmock import mockobject

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

DRIVE = '/org/freedesktop/UDisks2/drives/Card_Reader_0001'
BLOCK = '/org/freedesktop/UDisks2/block_devices/sdz1'


def logged(method, extra=''):
    return f'self.log("call " + self.path + " {method}"); {extra}'


def load(mock, parameters):
    refuse = ''
    if parameters.get('refuseUnmount', False):
        refuse = ('raise dbus.exceptions.DBusException("target is busy", '
                  'name="org.freedesktop.UDisks2.Error.DeviceBusy")')
    mock.AddObject(DRIVE, 'org.freedesktop.UDisks2.Drive', {
        'CanPowerOff': dbus.Boolean(parameters.get('canPowerOff', True)),
        'Ejectable': dbus.Boolean(parameters.get('ejectable', True)),
    }, [('PowerOff', 'a{sv}', '', logged('PowerOff')),
        ('Eject', 'a{sv}', '', logged('Eject'))])
    mock.AddObject(BLOCK, 'org.freedesktop.UDisks2.Block', {
        'Drive': dbus.ObjectPath(DRIVE),
        'Device': dbus.ByteArray(b'/dev/sdz1\0'),
    }, [])
    block = mockobject.objects[BLOCK]
    mount_point = parameters['mountPoint'].encode() + b'\0'
    block.AddProperties('org.freedesktop.UDisks2.Filesystem', dbus.Dictionary({
        'MountPoints': dbus.Array([dbus.ByteArray(mount_point)], signature='ay'),
    }, signature='sv'))
    block.AddMethods('org.freedesktop.UDisks2.Filesystem',
                     [('Unmount', 'a{sv}', '', logged('Unmount', refuse))])
