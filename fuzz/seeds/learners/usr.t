1=Anna Nowak
2=Piotr
5=Józef Wi¶niewski
