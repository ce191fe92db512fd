int Hidden(int a)
