[Component]
Name=Tank
PropertyCount=2
MethodCount=1
ProcCount=1
FuncCount=0
Classname=TTank
Filename=C:\Units\Tank.pas
Palettepage=Samples
Ancestor=TGraphicControl
StandardMessageCount=1
UserMessageCount=1
EventCount=1

[StandardMessages]
1=WM_SIZE

[UserMessages]
0=WM_DRAIN[WM_USER + 1]}  

[Events]
0=OnEmpty

[Eventtypes]
0=TNotifyEvent

[Eventparams]
0=*

[Eprotected]
0=*

[Properties]
0=Level
1=OnEmpty

[Storage]
0=*
1=*

[PropertyComments]
0=
1=

[RMethods]
0=*
1=*

[ArrayProperties]
0=*
1=*

[Attributes]
0=****
1=****

[WMethods]
0=SetLevel
1=*

[Sections]
0=published
1=published

[Variables]
0=FLevel
1=FOnEmpty

[ReadWrite]
0=read FLevel write SetLevel
1=read FOnEmpty write FOnEmpty

[Methods]
0=Procedure Fill(Amount: integer);

[MethodComments]
0=Adds liquid

[MethodSections]
0=public

[Types]
0=integer
1=TNotifyEvent

[DefaultValues]
0=50
1=*
