[Component]
Name=Orders
PropertyCount=0
MethodCount=0
ProcCount=0
FuncCount=0
Classname=TOrders
Filename=Orders.pas
Palettepage=Data Access
Ancestor=TTable
StandardMessageCount=0
UserMessageCount=0
EventCount=0
