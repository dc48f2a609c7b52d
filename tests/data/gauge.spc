[Component]
Name=Gauge
PropertyCount=4
MethodCount=2
ProcCount=0
FuncCount=0
Classname=TGauge
Filename=C:\Units\Gauge.pas
Palettepage=Samples
Ancestor=TCustomControl
StandardMessageCount=1
UserMessageCount=1
EventCount=1

[StandardMessages]
1=WM_PAINT

[UserMessages]
0=WM_NEEDLEMOVED[WM_USER + 1]}  

[Events]
0=OnChange

[Eventtypes]
0=TNotifyEvent

[Eventparams]
0=Sender: TObject

[Eprotected]
0=*

[Properties]
0=Value
1=Caption
2=Marks
3=OnChange

[Storage]
0=*
1=*
2=*
3=*

[PropertyComments]
0=The position of the needle,
0.2=from Min to Max
1=Shown under the dial
2=
3=

[RMethods]
0=GetValue
1=*
2=GetMark
3=*

[ArrayProperties]
0=*
1=*
2=Array
3=*

[Attributes]
0=****
1=****
2=U***
3=****

[WMethods]
0=SetValue
1=*
2=SetMark
3=*

[Sections]
0=published
1=published
2=public
3=published

[Variables]
0=FValue
1=FCaption
2=FMarks
3=FOnChange

[ReadWrite]
0=read GetValue write SetValue
1=read FCaption write FCaption
2=read GetMark write SetMark
3=read FOnChange write FOnChange

[Methods]
0=Function Ratio : double;
1=Procedure Paint;override;

[MethodComments]
0=Value as a fraction of the scale
1=

[MethodSections]
0=public
1=protected

[Types]
0=integer
1=string
2=integer
3=TNotifyEvent

[DefaultValues]
0=0
1='Gauge'
2=*
3=*

[functionTGauge.GetValue]
count=1
1=Result := FValue;

[functionTGauge.GetMark]
varcount=2
v1=var
v2=Step: integer;
count=2
1=Step := 10;
2=Result := Index * Step;
